#include "package_files_win32.h"

#include <windows.h>

namespace torvinst {

namespace {

HANDLE handle(FileHandle file) { return reinterpret_cast<HANDLE>(file.value); }

FileHandle wrap(HANDLE h) {
    FileHandle file;
    file.value = (h == INVALID_HANDLE_VALUE) ? -1 : reinterpret_cast<intptr_t>(h);
    return file;
}

}  // namespace

FileHandle Win32PackageFiles::openForReading(const char* name) {
    return wrap(CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle Win32PackageFiles::createForWriting(const char* name) {
    return wrap(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

void Win32PackageFiles::close(FileHandle file) {
    if (file.valid()) CloseHandle(handle(file));
}

bool Win32PackageFiles::fileSize(FileHandle file, uint64_t& size) {
    LARGE_INTEGER li;
    if (!GetFileSizeEx(handle(file), &li) || li.QuadPart < 0) return false;
    size = static_cast<uint64_t>(li.QuadPart);
    return true;
}

bool Win32PackageFiles::seek(FileHandle file, uint32_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return SetFilePointerEx(handle(file), to, nullptr, FILE_BEGIN) != 0;
}

bool Win32PackageFiles::read(FileHandle file, void* buffer, uint32_t count, uint32_t& done) {
    DWORD got = 0;
    const BOOL ok = ReadFile(handle(file), buffer, count, &got, nullptr);
    done = got;
    return ok != 0;
}

bool Win32PackageFiles::write(FileHandle file, const void* buffer, uint32_t count, uint32_t& done) {
    DWORD put = 0;
    const BOOL ok = WriteFile(handle(file), buffer, count, &put, nullptr);
    done = put;
    return ok != 0;
}

bool Win32PackageFiles::lockRange(FileHandle file, uint32_t offset, uint32_t size) {
    return LockFile(handle(file), offset, 0, size, 0) != 0;
}

bool Win32PackageFiles::unlockRange(FileHandle file, uint32_t offset, uint32_t size) {
    return UnlockFile(handle(file), offset, 0, size, 0) != 0;
}

bool Win32PackageFiles::deleteFile(const char* name) { return DeleteFileA(name) != 0; }

bool Win32PackageFiles::currentDirectory(char* buffer, uint32_t size) {
    const DWORD n = GetCurrentDirectoryA(size, buffer);
    return n > 0 && n < size;
}

bool Win32PackageFiles::setCurrentDirectory(const char* path) { return SetCurrentDirectoryA(path) != 0; }

bool Win32PackageFiles::createDirectory(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

void* Win32PackageFiles::obtainBlock(uint32_t size) { return GlobalAlloc(GPTR, size); }

void Win32PackageFiles::releaseBlock(void* block) { GlobalFree(block); }

bool Win32ResourcePackage::load(const uint8_t*& bytes, uint32_t& size) {
    HMODULE module = static_cast<HMODULE>(module_);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kPackageResourceId), "MYFILE");
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) return false;
    const void* data = LockResource(loaded);
    if (data == nullptr) return false;
    bytes = static_cast<const uint8_t*>(data);
    size = SizeofResource(module, found);
    return true;
}

void Win32ResourcePackage::release() {
    // Resources of a loaded module stay mapped with it; nothing to give back.
}

}  // namespace torvinst
