/* The Whetstone loop of the published C translation (double precision,
 * modules 1 to 11 without module 5), kept as that program is written: one
 * file, global variables, PA counting its rounds in the global J, and every
 * module's results handed to POUT after the module, where the published
 * program prints them (here POUT is a sink in another file, so the results
 * stay live as printing keeps them). The unit tests compare RunWhetstone's
 * module results with POUT's, bit for bit; the kernel benchmark builds it
 * with the kernels' compiler and flags and compares its time per loop unit
 * with RunWhetstone's. */
#include <math.h>

#include "whetstone_reference.h"

static double T, T1, T2, E1[5];
static int J, K, L;

static void PA(double E[]);
static void P0(void);
static void P3(double X, double Y, double *Z);

double reference_whetstone_x1, reference_whetstone_x, reference_whetstone_z, reference_whetstone_e1[5];
int reference_whetstone_j, reference_whetstone_k, reference_whetstone_l;

void ReferenceWhetstone(int loop)
{
	double X1, X2, X3, X4, X, Y, Z;
	int I, N1, N2, N3, N4, N6, N7, N8, N9, N10, N11;

	T = .499975;
	T1 = 0.50025;
	T2 = 2.0;

	N1 = 0;
	N2 = 12 * loop;
	N3 = 14 * loop;
	N4 = 345 * loop;
	N6 = 210 * loop;
	N7 = 32 * loop;
	N8 = 899 * loop;
	N9 = 616 * loop;
	N10 = 0;
	N11 = 93 * loop;

	/* Module 1: simple identifiers */
	X1 = 1.0;
	X2 = -1.0;
	X3 = -1.0;
	X4 = -1.0;
	for (I = 1; I <= N1; I++) {
		X1 = (X1 + X2 + X3 - X4) * T;
		X2 = (X1 + X2 - X3 + X4) * T;
		X3 = (X1 - X2 + X3 + X4) * T;
		X4 = (-X1 + X2 + X3 + X4) * T;
	}

	POUT(N1, N1, N1, X1, X2, X3, X4);

	/* Module 2: array elements */
	E1[1] = 1.0;
	E1[2] = -1.0;
	E1[3] = -1.0;
	E1[4] = -1.0;
	for (I = 1; I <= N2; I++) {
		E1[1] = ( E1[1] + E1[2] + E1[3] - E1[4]) * T;
		E1[2] = ( E1[1] + E1[2] - E1[3] + E1[4]) * T;
		E1[3] = ( E1[1] - E1[2] + E1[3] + E1[4]) * T;
		E1[4] = (-E1[1] + E1[2] + E1[3] + E1[4]) * T;
	}

	POUT(N2, N3, N2, E1[1], E1[2], E1[3], E1[4]);

	/* Module 3: array as parameter */
	for (I = 1; I <= N3; I++)
		PA(E1);

	POUT(N3, J, J, E1[1], E1[2], E1[3], E1[4]);

	/* Module 4: conditional jumps */
	J = 1;
	for (I = 1; I <= N4; I++) {
		if (J == 1)
			J = 2;
		else
			J = 3;
		if (J > 2)
			J = 0;
		else
			J = 1;
		if (J < 1)
			J = 1;
		else
			J = 0;
	}

	POUT(N4, J, J, X1, X2, X3, X4);

	/* Module 6: integer arithmetic */
	J = 1;
	K = 2;
	L = 3;
	for (I = 1; I <= N6; I++) {
		J = J * (K - J) * (L - K);
		K = L * K - (L - J) * K;
		L = (L - K) * (K + J);
		E1[L - 1] = J + K + L;
		E1[K - 1] = J * K * L;
	}

	POUT(N6, J, K, E1[1], E1[2], E1[3], E1[4]);

	/* Module 7: trigonometric functions */
	X = 0.5;
	Y = 0.5;
	for (I = 1; I <= N7; I++) {
		X = T * atan(T2 * sin(X) * cos(X) / (cos(X + Y) + cos(X - Y) - 1.0));
		Y = T * atan(T2 * sin(Y) * cos(Y) / (cos(X + Y) + cos(X - Y) - 1.0));
	}

	POUT(N7, J, K, X, X, Y, Y);

	/* Module 8: procedure calls */
	X = 1.0;
	Y = 1.0;
	Z = 1.0;
	for (I = 1; I <= N8; I++)
		P3(X, Y, &Z);

	POUT(N8, J, K, X, Y, Z, Z);

	/* Module 9: array references */
	J = 1;
	K = 2;
	L = 3;
	E1[1] = 1.0;
	E1[2] = 2.0;
	E1[3] = 3.0;
	for (I = 1; I <= N9; I++)
		P0();

	POUT(N9, J, K, E1[1], E1[2], E1[3], E1[4]);

	/* Module 10: integer arithmetic */
	J = 2;
	K = 3;
	for (I = 1; I <= N10; I++) {
		J = J + K;
		K = J + K;
		J = K - J;
		K = K - J - J;
	}

	POUT(N10, J, K, X1, X2, X3, X4);

	/* Module 11: standard functions */
	X = 0.75;
	for (I = 1; I <= N11; I++)
		X = sqrt(exp(log(X) / T1));

	POUT(N11, J, K, X, X, X, X);

	/* The published program prints these; here they are handed out. */
	reference_whetstone_x1 = X1;
	reference_whetstone_x = X;
	reference_whetstone_z = Z;
	for (I = 1; I <= 4; I++)
		reference_whetstone_e1[I] = E1[I];
	reference_whetstone_j = J;
	reference_whetstone_k = K;
	reference_whetstone_l = L;
}

static void PA(double E[])
{
	J = 0;
L10:
	E[1] = ( E[1] + E[2] + E[3] - E[4]) * T;
	E[2] = ( E[1] + E[2] - E[3] + E[4]) * T;
	E[3] = ( E[1] - E[2] + E[3] + E[4]) * T;
	E[4] = (-E[1] + E[2] + E[3] + E[4]) / T2;
	J += 1;
	if (J < 6)
		goto L10;
}

static void P0(void)
{
	E1[J] = E1[K];
	E1[K] = E1[L];
	E1[L] = E1[J];
}

static void P3(double X, double Y, double *Z)
{
	double X1, Y1;

	X1 = X;
	Y1 = Y;
	X1 = T * (X1 + Y1);
	Y1 = T * (X1 + Y1);
	*Z = (X1 + Y1) / T2;
}
