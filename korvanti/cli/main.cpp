#include <iostream>

#include "cli.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Lines end in "\n" on every build.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return korvanti::RunCommandLine(argc, argv, std::cout, std::cerr);
}
