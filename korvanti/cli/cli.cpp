#include "cli.h"

#include <cstring>
#include <string>

#include "performance_report.h"
#include "result_table.h"
#include "run_driver.h"
#include "test_selection.h"

namespace korvanti {

namespace {

// Shows what the window would put in message boxes: one line on stderr each.
class ConsoleView : public RunView {
public:
    explicit ConsoleView(std::ostream& err) : err_(err) {}
    void FullRedraw() override {}
    void RepaintNow() override {}
    void ShowError(const char* text) override {
        std::string line(text);
        for (char& c : line) {
            if (c == '\n' || c == '\r') {
                c = ' ';
            }
        }
        err_ << line << '\n';
        shown_ = true;
    }
    bool shown() const { return shown_; }

private:
    std::ostream& err_;
    bool shown_ = false;
};

struct Context {
    ConsoleView& view;
    std::ostream& out;
    bool& helpShown;
};

using Handler = void (*)(Context& context, const char* value);

struct Option {
    const char* name;
    bool takesValue;
    Handler handle;
    const char* help;
};

void Tick(bool TestSelection::*flag) {
    testSelection.*flag = !(testSelection.*flag);
}

// Ticks every processor and memory test of the run table (not the drives).
void TickAllTests() {
    const RunTable& table = ProgramRunTable();
    for (size_t i = 0; i < table.rowCount; ++i) {
        testSelection.*(table.rows[i].flag) = true;
    }
}

void PrintHelp(std::ostream& out);

const Option kOptions[] = {
    {"--dhrystone", false, [](Context&, const char*) { Tick(&TestSelection::dhrystone); },
     "tick (or untick) the Dhrystone test"},
    {"--whetstone", false, [](Context&, const char*) { Tick(&TestSelection::whetstone); },
     "tick (or untick) the Whetstone test"},
    {"--queens", false, [](Context&, const char*) { Tick(&TestSelection::eightQueens); },
     "tick (or untick) the Eight queens test"},
    {"--matrix", false, [](Context&, const char*) { Tick(&TestSelection::matrixOperations); },
     "tick (or untick) the Matrix operations test"},
    {"--crunch", false, [](Context&, const char*) { Tick(&TestSelection::numberCrunching); },
     "tick (or untick) the Number crunching test"},
    {"--fpu", false, [](Context&, const char*) { Tick(&TestSelection::floatingPointUnit); },
     "tick (or untick) the Floating point unit test"},
    {"--memory", false, [](Context&, const char*) { Tick(&TestSelection::memoryThroughput); },
     "tick (or untick) the Memory throughput test"},
    {"--all", false, [](Context&, const char*) { TickAllTests(); },
     "tick all seven processor and memory tests"},
    {"--long", false,
     [](Context&, const char*) { testSelection.longTestsFactor = testSelection.longTestsFactor == 1 ? 2 : 1; },
     "toggle Long tests (every loop count doubled)"},
    {"--run", false,
     [](Context& context, const char*) {
         RunCheckedTests(testSelection, resultTable, reportText, context.view);
     },
     "run the ticked tests"},
    {"--help", false,
     [](Context& context, const char*) {
         PrintHelp(context.out);
         context.helpShown = true;
     },
     "show this help"},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: korvanti-cli [COMMAND...]\n"
           "Applies the menu's commands left to right, then prints the report.\n"
           "Without commands it ticks every processor and memory test and runs them.\n\n";
    for (const Option& option : kOptions) {
        std::string name = option.name;
        if (option.takesValue) {
            name += " FILE";
        }
        out << "  " << name << std::string(name.size() < 22 ? 22 - name.size() : 1, ' ') << option.help << '\n';
    }
}

const Option* FindOption(const char* name) {
    for (const Option& option : kOptions) {
        if (std::strcmp(option.name, name) == 0) {
            return &option;
        }
    }
    return nullptr;
}

void PrintReport(std::ostream& out) {
    int last = -1;
    for (int i = 0; i < kReportLines; ++i) {
        if (reportText.line[i][0] != '\0') {
            last = i;
        }
    }
    for (int i = 0; i <= last; ++i) {
        out << reportText.line[i] << '\n';
    }
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    // Check the whole command line before anything runs.
    for (int i = 1; i < argc; ++i) {
        const Option* option = FindOption(argv[i]);
        if (option == nullptr) {
            err << "korvanti-cli: unknown argument '" << argv[i] << "' (see --help)\n";
            return 2;
        }
        if (option->takesValue) {
            if (i + 1 >= argc) {
                err << "korvanti-cli: " << option->name << " needs a file name\n";
                return 2;
            }
            ++i;
        }
    }

    ConsoleView view(err);
    bool helpShown = false;
    Context context{view, out, helpShown};
    if (argc <= 1) {
        TickAllTests();
        RunCheckedTests(testSelection, resultTable, reportText, view);
    }
    for (int i = 1; i < argc; ++i) {
        const Option* option = FindOption(argv[i]);
        const char* value = option->takesValue ? argv[++i] : nullptr;
        option->handle(context, value);
    }
    if (!helpShown) {
        PrintReport(out);
    }
    return view.shown() ? 1 : 0;
}

}  // namespace korvanti
