// The chain of the Number crunching test, timing and score.
#include "number_crunching.h"

#include "kernel_probe.h"
#include "kernel_score.h"
#include "milli_clock.h"

namespace korvanti {
namespace crunch {
State lastState;
}

namespace {

// Additions and subtractions wrap in their width, as the chain defines them.
inline int32_t Add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int64_t Add64(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}
inline int64_t Sub64(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}

}  // namespace

uint32_t RunNumberCrunching(int32_t passes) {
    int64_t W = 600;
    int64_t V = 50;
    int32_t a = 500;
    int32_t k = 801;
    int32_t p = 800;
    double d1 = 550.0;
    double d2 = 911.0;
    double d3 = 1000.0;
    double d4 = 801.0;

    const MilliClock begin = ReadMilliClock();
    for (int32_t pass = 0; pass < passes; ++pass) {
        const int32_t x1 = trunc32(d1 + 1.0);                     // 1
        const int32_t x2 = trunc32(d2);                           // 2
        d1 = d2 * d3;                                             // 3
        const int32_t r1 = x2 % x1;                               // 4
        const int64_t b = r1;                                     // 5
        const int64_t q1 = W / Add64(V, 1);                       // 6
        k = a % k;                                                // 7
        KORVANTI_PROBE(probes::crunch.kAfterStep7 = k);
        d3 = static_cast<double>(k);                              // 8
        const int32_t x3 = trunc32(static_cast<double>(b) * d3 / d4 /
                                   static_cast<double>(Add32(k, 1)) + 1.0);  // 9
        const int32_t x4 = trunc32(static_cast<double>(q1));     // 10
        d2 = d1 * static_cast<double>(q1);                        // 11
        const int32_t r2 = x4 % x3;                               // 12
        V = r2;                                                   // 13
        const int64_t e = k;                                      // 14
        const int64_t t = Add64(Sub64(Add64(Sub64(W, b), trunc64(static_cast<double>(q1))), e), 1);  // 15
        const int64_t r3 = b % t;                                 // 16
        const int64_t q4 = b / Add64(r3, 1);                      // 17
        d1 = static_cast<double>(q4);                             // 18
        const int32_t a2 = WrapMul32(a / Add32(k, 1), p) % Add32(k, 1);  // 19
        const int64_t t5 = trunc64(d1 * d2);                      // 20
        const int64_t q6 = t5 / static_cast<int64_t>(Add32(a2, 1));  // 21
        d1 = d1 / (d1 + 1.0);                                     // 22
        const int64_t q7 = e / Add64(b, 1);                       // 23
        p = WrapMul32(static_cast<int32_t>(q7), a2);              // 24
        k = Add32(p, 1);                                          // 25
        d4 = static_cast<double>(k);                              // 26
        const int64_t t8 = trunc64(static_cast<double>(a2) * d3 / d4 /
                                   static_cast<double>(Add64(q6, 1)));  // 27
        W = Add64(Sub64(Sub64(V, a2), b), t8);                    // 28
        V = W % Add64(V, 1);                                      // 29
        a = a2;                                                   // 30
        KORVANTI_PROBE((probes::crunch = {x1, x2, r1, x3, x4, r2, a2, p, probes::crunch.kAfterStep7,
                                          q1, t, r3, q4, t5, q6, q7, t8}));
    }
    const MilliClock end = ReadMilliClock();

    crunch::lastState = {W, V, a, k, p, d1, d2, d3, d4};
    return IntegerRateScore(WrapMul32(94, passes), ElapsedMs(begin, end));
}

}  // namespace korvanti
