// torvpack: host tool for packages and compressed streams. The first argument
// names the command; the rest go to its handler.
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* usage;
};

const Command kCommands[] = {
#ifdef TORVPACK_PACKAGE_COMMANDS
    {"build", torvpack::runBuild, "build PACKAGE DIR [NAME...] [--store]"},
    {"list", torvpack::runList, "list PACKAGE"},
    {"extract", torvpack::runExtract, "extract PACKAGE DIR"},
#endif
    {"encode", torvpack::runEncode, "encode IN OUT"},
    {"decode", torvpack::runDecode, "decode IN OUT SIZE"},
};

void printUsage() {
    std::fprintf(stderr, "usage:\n");
    for (const Command& c : kCommands) std::fprintf(stderr, "  torvpack %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "torvpack: unknown command %s\n", argv[1]);
    printUsage();
    return 2;
}
