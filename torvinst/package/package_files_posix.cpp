#include "package_files_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace torvinst {

namespace {

std::string hostPath(const char* path) {
    std::string s(path);
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

int fd(FileHandle file) { return static_cast<int>(file.value); }

bool setLock(FileHandle file, short type, uint32_t offset, uint32_t size) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(size);
    return fcntl(fd(file), F_SETLK, &lock) == 0;
}

}  // namespace

FileHandle PosixPackageFiles::openForReading(const char* name) {
    FileHandle file;
    file.value = ::open(hostPath(name).c_str(), O_RDONLY | O_CLOEXEC);
    return file;
}

FileHandle PosixPackageFiles::createForWriting(const char* name) {
    FileHandle file;
    file.value = ::open(hostPath(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return file;
}

void PosixPackageFiles::close(FileHandle file) {
    if (file.valid()) ::close(fd(file));
}

bool PosixPackageFiles::fileSize(FileHandle file, uint64_t& size) {
    struct stat st;
    if (fstat(fd(file), &st) != 0 || st.st_size < 0) return false;
    size = static_cast<uint64_t>(st.st_size);
    return true;
}

bool PosixPackageFiles::seek(FileHandle file, uint32_t offset) {
    return lseek(fd(file), static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

bool PosixPackageFiles::read(FileHandle file, void* buffer, uint32_t count, uint32_t& done) {
    // One request, completed across short reads as the platform's file read does.
    done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd(file), static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        done += static_cast<uint32_t>(n);
    }
    return true;
}

bool PosixPackageFiles::write(FileHandle file, const void* buffer, uint32_t count, uint32_t& done) {
    done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd(file), static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<uint32_t>(n);
    }
    return true;
}

bool PosixPackageFiles::lockRange(FileHandle file, uint32_t offset, uint32_t size) {
    return setLock(file, F_WRLCK, offset, size);
}

bool PosixPackageFiles::unlockRange(FileHandle file, uint32_t offset, uint32_t size) {
    return setLock(file, F_UNLCK, offset, size);
}

bool PosixPackageFiles::deleteFile(const char* name) { return ::unlink(hostPath(name).c_str()) == 0; }

bool PosixPackageFiles::currentDirectory(char* buffer, uint32_t size) {
    return getcwd(buffer, size) != nullptr;
}

bool PosixPackageFiles::setCurrentDirectory(const char* path) { return chdir(hostPath(path).c_str()) == 0; }

bool PosixPackageFiles::createDirectory(const char* path) {
    return mkdir(hostPath(path).c_str(), 0755) == 0;
}

void* PosixPackageFiles::obtainBlock(uint32_t size) { return std::calloc(size, 1); }

void PosixPackageFiles::releaseBlock(void* block) { std::free(block); }

}  // namespace torvinst
