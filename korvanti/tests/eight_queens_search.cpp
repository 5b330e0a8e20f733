// The board and the recursive search of the Eight queens test, apart from the
// pass loop (eight_queens.cpp) so that PlaceQueen stays a real call.
#include "eight_queens.h"
#include "kernel_probe.h"

namespace korvanti {
namespace queens {

volatile bool rowFree[9];
volatile bool sumDiagonalFree[17];
volatile bool differenceDiagonalFree[15];
int32_t queenRow[9];

// noinline: the compiler must not unfold the recursion into itself; every
// step of the search is one call.
__attribute__((noinline)) void PlaceQueen(int32_t column) {
    KORVANTI_PROBE(++probes::queens.placeQueenCalls);
    for (int32_t row = 1; row <= 8; ++row) {
        if (rowFree[row] && sumDiagonalFree[row + column] && differenceDiagonalFree[column - row + 7]) {
            queenRow[column] = row;
            rowFree[row] = false;
            sumDiagonalFree[row + column] = false;
            differenceDiagonalFree[column - row + 7] = false;
            if (column < 8) {
                PlaceQueen(column + 1);
            }
            KORVANTI_PROBE(probes::QueenPlaced(column, queenRow));
            rowFree[row] = true;
            sumDiagonalFree[row + column] = true;
            differenceDiagonalFree[column - row + 7] = true;
        }
    }
}

}  // namespace queens
}  // namespace korvanti
