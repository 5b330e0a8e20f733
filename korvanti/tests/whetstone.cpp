// The Whetstone modules, the loop counts per unit, timing and score.
#include "whetstone.h"

#include <cmath>

#include "kernel_probe.h"
#include "kernel_score.h"
#include "milli_clock.h"
#include "optimization_barrier.h"

namespace korvanti {

using namespace whetstone;

// Every module is set up, then fenced off by OptimizationBarrier before and
// after its loop: the compiler can neither fold a loop from its known start
// values (module 6 would otherwise collapse, J, K and L being a fixed point)
// nor drop a module whose variables a later module overwrites (module 7).
uint32_t RunWhetstone(int32_t loops) {
    const MilliClock begin = ReadMilliClock();

    T = 0.499975;
    T1 = 0.50025;
    T2 = 2.0;
    N1 = 0;
    N2 = WrapMul32(12, loops);
    N3 = WrapMul32(14, loops);
    N4 = WrapMul32(345, loops);
    N6 = WrapMul32(210, loops);
    N7 = WrapMul32(32, loops);
    N8 = WrapMul32(899, loops);
    N9 = WrapMul32(616, loops);
    N10 = 0;
    N11 = WrapMul32(93, loops);

    // Module 1: simple identifiers.
    X1 = 1.0;
    X2 = -1.0;
    X3 = -1.0;
    X4 = -1.0;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N1; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[1]);
        X1 = (X1 + X2 + X3 - X4) * T;
        X2 = (X1 + X2 - X3 + X4) * T;
        X3 = (X1 - X2 + X3 + X4) * T;
        X4 = (-X1 + X2 + X3 + X4) * T;
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(1, N1, N1, X1, X2, X3, X4));

    // Module 2: array elements.
    E1[1] = 1.0;
    E1[2] = -1.0;
    E1[3] = -1.0;
    E1[4] = -1.0;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N2; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[2]);
        E1[1] = (E1[1] + E1[2] + E1[3] - E1[4]) * T;
        E1[2] = (E1[1] + E1[2] - E1[3] + E1[4]) * T;
        E1[3] = (E1[1] - E1[2] + E1[3] + E1[4]) * T;
        E1[4] = (-E1[1] + E1[2] + E1[3] + E1[4]) * T;
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(2, N3, N2, E1[1], E1[2], E1[3], E1[4]));

    // Module 3: array as parameter.
    for (int32_t i = 1; i <= N3; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[3]);
        PA(E1);
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(3, J, J, E1[1], E1[2], E1[3], E1[4]));

    // Module 4: conditional jumps.
    J = 1;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N4; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[4]);
        // Each conditional statement is evaluated as such (the compiler would
        // otherwise reduce the three to a single comparison).
        if (J == 1) {
            J = 2;
        } else {
            J = 3;
        }
        OpaqueValue(J);
        if (J > 2) {
            J = 0;
        } else {
            J = 1;
        }
        OpaqueValue(J);
        if (J < 1) {
            J = 1;
        } else {
            J = 0;
        }
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(4, J, J, X1, X2, X3, X4));

    // Module 6: integer arithmetic.
    J = 1;
    K = 2;
    L = 3;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N6; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[6]);
        J = J * (K - J) * (L - K);
        K = L * K - (L - J) * K;
        L = (L - K) * (K + J);
        E1[L - 1] = J + K + L;
        E1[K - 1] = J * K * L;
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(6, J, K, E1[1], E1[2], E1[3], E1[4]));

    // Module 7: trigonometric functions.
    X = 0.5;
    Y = 0.5;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N7; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[7]);
        X = T * std::atan(T2 * std::sin(X) * std::cos(X) / (std::cos(X + Y) + std::cos(X - Y) - 1.0));
        Y = T * std::atan(T2 * std::sin(Y) * std::cos(Y) / (std::cos(X + Y) + std::cos(X - Y) - 1.0));
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(7, J, K, X, X, Y, Y));

    // Module 8: procedure calls.
    X = 1.0;
    Y = 1.0;
    Z = 1.0;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N8; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[8]);
        P3(X, Y, &Z);
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(8, J, K, X, Y, Z, Z));

    // Module 9: array references.
    J = 1;
    K = 2;
    L = 3;
    E1[1] = 1.0;
    E1[2] = 2.0;
    E1[3] = 3.0;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N9; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[9]);
        P0();
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(9, J, K, E1[1], E1[2], E1[3], E1[4]));

    // Module 10: integer arithmetic.
    J = 2;
    K = 3;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N10; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[10]);
        J = J + K;
        K = J + K;
        J = K - J;
        K = K - J - J;
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(10, J, K, X1, X2, X3, X4));

    // Module 11: standard functions.
    X = 0.75;
    OptimizationBarrier();
    for (int32_t i = 1; i <= N11; ++i) {
        KORVANTI_PROBE(++probes::whetstone.module[11]);
        X = std::sqrt(std::exp(std::log(X) / T1));
    }
    OptimizationBarrier();
    KORVANTI_PROBE(probes::WhetstoneModuleEnd(11, J, K, X, X, X, X));

    const MilliClock end = ReadMilliClock();
    const int32_t ms = ElapsedMs(begin, end);
    if (ms <= 0) {
        return 0;
    }
    return static_cast<uint32_t>(trunc32(static_cast<double>(loops) / (ms * 0.01)));
}

}  // namespace korvanti
