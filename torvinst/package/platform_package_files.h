// The file layer of the platform being built for.
#pragma once
#ifdef _WIN32
#include "package_files_win32.h"
namespace torvinst {
using PlatformPackageFiles = Win32PackageFiles;
}
#else
#include "package_files_posix.h"
namespace torvinst {
using PlatformPackageFiles = PosixPackageFiles;
}
#endif
