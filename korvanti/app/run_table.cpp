// The run table: which operation each ticked test calls, in the fixed order
// in which results are stored and reported.
#include "dhrystone.h"
#include "run_driver.h"

namespace korvanti {

namespace {
const TestRow kRows[] = {
    {&TestSelection::dhrystone, 'd', RunDhrystone, 800000},
};
const RunTable kProgramRunTable = {kRows, sizeof kRows / sizeof kRows[0], nullptr, 10};
}  // namespace

const RunTable& ProgramRunTable() { return kProgramRunTable; }

}  // namespace korvanti
