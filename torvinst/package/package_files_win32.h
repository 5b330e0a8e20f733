// PackageFiles and the package resource on Windows, for the installer.
#pragma once
#include "package_platform.h"

namespace torvinst {

class Win32PackageFiles : public PackageFiles {
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

// The custom resource of type "MYFILE" and id 106 in a module (the program
// itself when `module` is null).
class Win32ResourcePackage : public PackageSource {
public:
    explicit Win32ResourcePackage(void* module = nullptr) : module_(module) {}
    bool load(const uint8_t*& bytes, uint32_t& size) override;
    void release() override;

private:
    void* module_;
};

constexpr int kPackageResourceId = 106;

}  // namespace torvinst
