/* The published C translation of the Whetstone loop, as a yardstick for
 * RunWhetstone (see whetstone_reference.c). */
#ifndef KORVANTI_WHETSTONE_REFERENCE_H
#define KORVANTI_WHETSTONE_REFERENCE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Receives each module's results where the published program prints them;
 * defined by the user of the reference, out of the reference's sight. */
void POUT(int N, int J, int K, double X1, double X2, double X3, double X4);

/* Runs `loop` loop units of modules 1 to 11, untimed. */
void ReferenceWhetstone(int loop);

/* What the published program prints at the end. */
extern double reference_whetstone_x1, reference_whetstone_x, reference_whetstone_z, reference_whetstone_e1[5];
extern int reference_whetstone_j, reference_whetstone_k, reference_whetstone_l;

#ifdef __cplusplus
}
#endif

#endif
