// The Whetstone procedures. They live apart from the modules (whetstone.cpp)
// so that every call stays a real call with its parameters.
#include "kernel_probe.h"
#include "whetstone.h"

namespace korvanti {
namespace whetstone {

double T = 0.0, T1 = 0.0, T2 = 0.0;
double E1[5];
double X1 = 0.0, X2 = 0.0, X3 = 0.0, X4 = 0.0;
double X = 0.0, Y = 0.0, Z = 0.0;
int32_t J = 0, K = 0, L = 0;
int32_t N1 = 0, N2 = 0, N3 = 0, N4 = 0, N6 = 0, N7 = 0, N8 = 0, N9 = 0, N10 = 0, N11 = 0;

void PA(double E[]) {
    // The repetition counter is PA's own; the modules' J is not touched.
    for (int32_t round = 0; round < 6; ++round) {
        KORVANTI_PROBE(++probes::whetstone.paBody);
        E[1] = (E[1] + E[2] + E[3] - E[4]) * T;
        E[2] = (E[1] + E[2] - E[3] + E[4]) * T;
        E[3] = (E[1] - E[2] + E[3] + E[4]) * T;
        E[4] = (-E[1] + E[2] + E[3] + E[4]) / T2;
    }
}

void P3(double x, double y, double* z) {
    const double x1 = T * (x + y);
    const double y1 = T * (x1 + y);
    *z = (x1 + y1) / T2;
}

void P0() {
    E1[J] = E1[K];
    E1[K] = E1[L];
    E1[L] = E1[J];
}

}  // namespace whetstone
}  // namespace korvanti
