// The platform operations that package extraction needs, behind one small
// interface: a Win32 implementation for the installer, a POSIX one for the
// host tools and the tests. Paths handed in are the package's own form,
// backslash-separated; the POSIX side maps the backslashes to '/'.
#pragma once
#include <cstdint>

namespace torvinst {

// An open file; `value` is -1 when the file could not be opened.
struct FileHandle {
    intptr_t value = -1;
    bool valid() const { return value != -1; }
};

class PackageFiles {
public:
    virtual ~PackageFiles() = default;

    // Opens an existing file for reading without sharing it.
    virtual FileHandle openForReading(const char* name) = 0;
    // Creates a file for writing, replacing any file of that name, without
    // sharing and with normal attributes.
    virtual FileHandle createForWriting(const char* name) = 0;
    virtual void close(FileHandle file) = 0;
    virtual bool fileSize(FileHandle file, uint64_t& size) = 0;
    virtual bool seek(FileHandle file, uint32_t offset) = 0;
    // One transfer of at most 32,767 bytes; `done` receives the bytes moved.
    virtual bool read(FileHandle file, void* buffer, uint32_t count, uint32_t& done) = 0;
    virtual bool write(FileHandle file, const void* buffer, uint32_t count, uint32_t& done) = 0;
    // Byte-range lock held while a file is written.
    virtual bool lockRange(FileHandle file, uint32_t offset, uint32_t size) = 0;
    virtual bool unlockRange(FileHandle file, uint32_t offset, uint32_t size) = 0;
    virtual bool deleteFile(const char* name) = 0;

    // The process's current directory, as the platform spells it.
    virtual bool currentDirectory(char* buffer, uint32_t size) = 0;
    virtual bool setCurrentDirectory(const char* path) = 0;
    virtual bool createDirectory(const char* path) = 0;

    // A zero-initialised memory block, or nullptr when none is available.
    virtual void* obtainBlock(uint32_t size) = 0;
    virtual void releaseBlock(void* block) = 0;
};

// Where the package comes from: the installer's "MYFILE" resource 106, or
// bytes that a tool or a test hands in.
class PackageSource {
public:
    virtual ~PackageSource() = default;
    // Finds and loads the package; false when it is missing.
    virtual bool load(const uint8_t*& bytes, uint32_t& size) = 0;
    // Gives the loaded package back.
    virtual void release() = 0;
};

// A package held in memory by the caller.
class MemoryPackageSource : public PackageSource {
public:
    MemoryPackageSource(const uint8_t* bytes, uint32_t size) : bytes_(bytes), size_(size) {}
    bool load(const uint8_t*& bytes, uint32_t& size) override {
        if (bytes_ == nullptr) return false;
        bytes = bytes_;
        size = size_;
        return true;
    }
    void release() override {}

private:
    const uint8_t* bytes_;
    uint32_t size_;
};

// Decodes one compressed member (method 1) in memory.
class StreamDecoder {
public:
    virtual ~StreamDecoder() = default;
    virtual bool decodeMember(const uint8_t* input, uint32_t inputSize, uint8_t* output, uint32_t outputSize) = 0;
};

}  // namespace torvinst
