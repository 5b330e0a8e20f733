// Which tests and drives the user has ticked, and the Long tests factor.
#pragma once
#include <cstdint>

namespace korvanti {

struct TestSelection {
    bool dhrystone = false;
    bool whetstone = false;
    bool eightQueens = false;
    bool matrixOperations = false;
    bool numberCrunching = false;
    bool floatingPointUnit = false;
    bool memoryThroughput = false;
    bool testDrives[26] = {};   // indexed by letter - 'A'; only 'C'..'Z' are offered
    int32_t longTestsFactor = 1;  // 2 while "Long tests" is ticked
};

// The program's one selection, toggled from the menu, read by the run driver.
extern TestSelection testSelection;

}  // namespace korvanti
