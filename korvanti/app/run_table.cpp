// The run table: which operation each ticked test calls, in the fixed order
// in which results are stored and reported.
#include "dhrystone.h"
#include "eight_queens.h"
#include "floating_point_unit.h"
#include "matrix_operations.h"
#include "memory_throughput.h"
#include "number_crunching.h"
#include "run_driver.h"
#include "whetstone.h"

namespace korvanti {

namespace {
const TestRow kRows[] = {
    {&TestSelection::dhrystone, 'd', RunDhrystone, 800000},
    {&TestSelection::whetstone, 'w', RunWhetstone, 2000},
    {&TestSelection::eightQueens, 'q', RunEightQueens, 3000},
    {&TestSelection::matrixOperations, 'c', RunMatrixOperations, 1},
    {&TestSelection::numberCrunching, 'n', RunNumberCrunching, 600000},
    {&TestSelection::floatingPointUnit, 'f', RunFloatingPointUnit, 100000},
    {&TestSelection::memoryThroughput, 'm', RunMemoryThroughput, 5},
};
const RunTable kProgramRunTable = {kRows, sizeof kRows / sizeof kRows[0], nullptr, 10};
}  // namespace

const RunTable& ProgramRunTable() { return kProgramRunTable; }

}  // namespace korvanti
