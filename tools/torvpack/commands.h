// Commands of torvpack, the host tool that makes, lists and unpacks packages
// and converts single streams. Each handler gets the arguments that follow
// the command name (argv[0] is the first of them) and returns the exit code.
#pragma once

namespace torvpack {

// torvpack encode IN OUT: compresses the file IN into the raw stream OUT.
int runEncode(int argc, char** argv);
// torvpack decode IN OUT SIZE: decodes the raw stream IN into SIZE bytes in OUT.
int runDecode(int argc, char** argv);

// Package commands, defined in their own source file; the command table lists
// them when TORVPACK_PACKAGE_COMMANDS is defined for the target.
// torvpack build PACKAGE DIR [NAME...] [--store]
int runBuild(int argc, char** argv);
// torvpack list PACKAGE
int runList(int argc, char** argv);
// torvpack extract PACKAGE DIR
int runExtract(int argc, char** argv);

}  // namespace torvpack
