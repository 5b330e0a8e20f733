// Whetstone benchmark in double precision (modules 1 to 11, module 5 left
// out): the test behind "Whetstones".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `loops` loop units of the Whetstone modules between two clock stamps
// (set-up included) and returns 100 * loops per millisecond: millions of
// Whetstone instructions per second. 0 when no time could be measured.
uint32_t RunWhetstone(int32_t loops);

namespace whetstone {

// The program-wide variables of the benchmark (defined with the procedures).
// They keep their last values after a call; E1 is used from index 1 to 4.
extern double T, T1, T2;
extern double E1[5];
extern double X1, X2, X3, X4;
extern double X, Y, Z;
extern int32_t J, K, L;
extern int32_t N1, N2, N3, N4, N6, N7, N8, N9, N10, N11;

// The procedures, each a real call in a translation unit of its own.
// PA: six rounds of the array statements on E (indices 1 to 4).
void PA(double E[]);
// P3: Z = (X1' + Y1') / T2 with X1' = T * (X + Y), Y1' = T * (X1' + Y).
void P3(double x, double y, double* z);
// P0: E1[J] = E1[K]; E1[K] = E1[L]; E1[L] = E1[J].
void P0();

}  // namespace whetstone
}  // namespace korvanti
