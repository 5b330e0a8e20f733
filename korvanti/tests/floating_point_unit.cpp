// The chain of the Floating point unit test, timing and score.
//
// Built with -fno-builtin-sqrt (see CMakeLists.txt): every library function
// of a pass, the square root included, is a real call of the platform's
// mathematics library.
#include "floating_point_unit.h"

#include <cmath>

#include "kernel_probe.h"
#include "kernel_score.h"
#include "milli_clock.h"

// The Bessel functions of the first kind. The C library provides them (glibc
// as j0/j1/jn, the Windows C runtime as _j0/_j1/_jn); the strict C++ headers
// do not declare them, so they are declared here.
#ifdef _WIN32
extern "C" double _j0(double x);
extern "C" double _j1(double x);
extern "C" double _jn(int n, double x);
#define KORVANTI_J0 _j0
#define KORVANTI_J1 _j1
#define KORVANTI_JN _jn
#else
extern "C" double j0(double x) noexcept;
extern "C" double j1(double x) noexcept;
extern "C" double jn(int n, double x) noexcept;
#define KORVANTI_J0 j0
#define KORVANTI_J1 j1
#define KORVANTI_JN jn
#endif

namespace korvanti {
namespace fpu {

uint32_t randomState = 1;
State lastState;

int32_t NextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int32_t>((randomState >> 16) & 0x7FFFu);
}

}  // namespace fpu

namespace {
constexpr double kLog10Of2 = 0.301029995663981195213738894724493027;
}

uint32_t RunFloatingPointUnit(int32_t passes) {
    double X = -550.0;
    double W = 911.0;
    double Z = 328.0;
    double Y = 0.0;
    double V = 0.0;

    const MilliClock begin = ReadMilliClock();
    for (int32_t pass = 0; pass < passes; ++pass) {
        KORVANTI_J0(X);                                                      // 1 (discarded)
        Y = KORVANTI_J1(X);                                                  // 2
        const uint32_t order = static_cast<uint32_t>(trunc32(Z));
        const int32_t n = static_cast<int32_t>(                              // 3: |trunc32(Z)| + 1,
            ((order & 0x80000000u) ? 0u - order : order) + 1u);              //    wrapping in 32 bits
        Z = KORVANTI_JN(n, X);                                               // 4
        KORVANTI_PROBE(probes::fpuPasses.push_back({Z, 0, 0, 0, 0, 0, 0}));
        trunc32(std::sin(W));                                                // 5 (discarded)
        int exponent = 0;
        const double m = std::frexp(Z, &exponent);                           // 6
        X = kLog10Of2 * std::log2(std::fabs(m));                             // 7
        const uint32_t bits = static_cast<uint32_t>(trunc32(Y));
        Y = static_cast<double>((bits << 1) | (bits >> 31));                 // 8
        W = (Y > m) ? Y : m;                                                 // 9
        Z = std::pow(std::sqrt(std::fabs(W)), X);                            // 10
        V = (std::fabs(X) >= std::fabs(Z)) ? std::fabs(Z) : std::fabs(X);    // 11
        KORVANTI_PROBE((probes::fpuPasses.back().m = m, probes::fpuPasses.back().w = W,
                        probes::fpuPasses.back().power = Z, probes::fpuPasses.back().v = V,
                        probes::fpuPasses.back().xBeforeRandom = X));
        Z = std::tan(std::fabs(std::tanh(V)));                               // 12
        X = static_cast<double>(fpu::NextRandom());                          // 13
        KORVANTI_PROBE(probes::fpuPasses.back().x = X);
    }
    const MilliClock end = ReadMilliClock();

    fpu::lastState = {X, W, Z, Y, V};
    return IntegerRateScore(WrapMul32(44, passes), ElapsedMs(begin, end));
}

}  // namespace korvanti
