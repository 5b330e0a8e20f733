// Eight queens: a complete backtracking search for all placements of eight
// non-attacking queens per pass. The test behind "Eight Queens".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs `passes` complete searches between two clock stamps and returns whole
// passes per second (0 when no time could be measured).
uint32_t RunEightQueens(int32_t passes);

namespace queens {

// The board (defined with the search). Columns and rows run from 1 to 8.
// The flags are volatile: every flag store and test of the search is a real
// memory access, so that the stores a completed placement takes back at once
// are not dropped, and a pass's reset is one byte store per flag.
extern volatile bool rowFree[9];                 // row k holds no queen
extern volatile bool sumDiagonalFree[17];        // row + column = k
extern volatile bool differenceDiagonalFree[15]; // column - row + 7 = k
extern int32_t queenRow[9];                      // row of the queen in column k

// The recursive step for one column (a real call, at most 8 deep).
void PlaceQueen(int32_t column);

}  // namespace queens
}  // namespace korvanti
