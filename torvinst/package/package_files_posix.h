// PackageFiles on POSIX systems, for the host tools and the native tests.
// Backslashes in paths become '/'. "Without sharing" has no POSIX
// counterpart; the written range is locked with an advisory record lock.
#pragma once
#include "package_platform.h"

namespace torvinst {

class PosixPackageFiles : public PackageFiles {
public:
    FileHandle openForReading(const char* name) override;
    FileHandle createForWriting(const char* name) override;
    void close(FileHandle file) override;
    bool fileSize(FileHandle file, uint64_t& size) override;
    bool seek(FileHandle file, uint32_t offset) override;
    bool read(FileHandle file, void* buffer, uint32_t count, uint32_t& done) override;
    bool write(FileHandle file, const void* buffer, uint32_t count, uint32_t& done) override;
    bool lockRange(FileHandle file, uint32_t offset, uint32_t size) override;
    bool unlockRange(FileHandle file, uint32_t offset, uint32_t size) override;
    bool deleteFile(const char* name) override;
    bool currentDirectory(char* buffer, uint32_t size) override;
    bool setCurrentDirectory(const char* path) override;
    bool createDirectory(const char* path) override;
    void* obtainBlock(uint32_t size) override;
    void releaseBlock(void* block) override;
};

}  // namespace torvinst
