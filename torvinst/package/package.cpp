#include "package.h"

#include <cstring>

namespace torvinst {

bool readExact(PackageFiles& files, FileHandle file, void* buffer, uint32_t count) {
    uint8_t* p = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        const uint32_t chunk = count < kTransferMax ? count : kTransferMax;
        uint32_t got = 0;
        if (!files.read(file, p, chunk, got) || got != chunk) return false;
        p += chunk;
        count -= chunk;
    }
    return true;
}

bool writeWhole(PackageFiles& files, const char* fileName, const void* block, uint32_t size) {
    if (fileName == nullptr || fileName[0] == '\0' || block == nullptr || size == 0) return false;
    const FileHandle file = files.createForWriting(fileName);
    if (!file.valid()) return false;
    // The new file's position is 0: the range written is [0, size).
    const bool locked = files.lockRange(file, 0, size);
    bool ok = true;
    const uint8_t* p = static_cast<const uint8_t*>(block);
    uint32_t remaining = size;
    while (remaining > 0) {
        const uint32_t chunk = remaining < kTransferMax ? remaining : kTransferMax;
        uint32_t written = 0;
        if (!files.write(file, p, chunk, written) || written != chunk) {
            ok = false;
            break;
        }
        p += chunk;
        remaining -= chunk;
    }
    if (locked) files.unlockRange(file, 0, size);
    files.close(file);
    return ok;
}

uint32_t PackageExtractor::writePackageToTemp(PackageSource& source) {
    const uint8_t* bytes = nullptr;
    uint32_t size = 0;
    if (!source.load(bytes, size)) return 0;
    void* block = size > 0 ? files_.obtainBlock(size) : nullptr;
    if (block != nullptr) std::memcpy(block, bytes, size);
    source.release();
    if (block == nullptr) return 0;
    const bool written = writeWhole(files_, kTempFileName, block, size);
    files_.releaseBlock(block);
    return written ? size : 0;
}

bool PackageExtractor::extractAll(ExtractionProgress* progress) {
    uint32_t offset = 0;
    while (!state_.cancelled) {
        const int64_t next = extractMember(offset);
        if (next == -1) return true;
        if (next <= 0) return false;
        offset = static_cast<uint32_t>(next);
        state_.progressBytes = offset;
        if (progress != nullptr) progress->memberExtracted(state_);
    }
    return false;
}

bool PackageExtractor::makeFolders(const char* fullPath) {
    // Each folder on the way is probed by making it the current directory and
    // created when that fails. Every probe goes back to the starting
    // directory, so that a relative install folder is taken from there.
    char saved[1024];
    if (!files_.currentDirectory(saved, sizeof saved)) return false;
    char level[kPathSize];
    for (size_t i = 0; fullPath[i] != '\0'; ++i) {
        if (fullPath[i] != '\\') continue;
        std::memcpy(level, fullPath, i + 1);
        level[i + 1] = '\0';
        if (files_.setCurrentDirectory(level)) {
            if (!files_.setCurrentDirectory(saved)) return false;
        } else {
            // A folder that cannot be made shows up as the file creation failing.
            files_.createDirectory(level);
        }
    }
    return files_.setCurrentDirectory(saved);
}

int64_t PackageExtractor::extractMember(uint32_t offset) {
    if (state_.tempFileName[0] == '\0' || state_.targetFolder[0] == '\0') return 0;
    const FileHandle file = files_.openForReading(state_.tempFileName);
    if (!file.valid()) return 0;

    uint64_t fileSize = 0;
    if (!files_.fileSize(file, fileSize)) {
        files_.close(file);
        return 0;
    }
    if (fileSize < static_cast<uint64_t>(offset) + kMemberFixedSize) {
        files_.close(file);
        return -1;
    }

    void* packed = nullptr;
    void* unpacked = nullptr;
    int64_t result = 0;
    do {
        uint8_t fixed[kMemberFixedSize];
        MemberHeader header;
        if (!files_.seek(file, offset) || !readExact(files_, file, fixed, sizeof fixed)) break;
        if (!parseMemberHeader(fixed, header)) break;

        // The name must fit its buffer and end in its only NUL.
        if (header.headerSize <= kMemberFixedSize) break;
        const uint32_t nameSize = header.headerSize - kMemberFixedSize;
        if (nameSize > kMemberNameMax) break;
        char name[kMemberNameMax];
        if (!readExact(files_, file, name, nameSize)) break;
        if (!isWellFormedName(name, nameSize)) break;
        // A name that leaves the install folder is refused.
        if (!isSafeMemberName(name)) break;

        const uint64_t dataStart = static_cast<uint64_t>(offset) + header.headerSize;
        const uint64_t next = dataStart + header.packedSize;
        // Data that run past the end of the file cannot be read whole; a stored
        // member cannot hold more data than its file; an empty file is refused.
        if (next > fileSize || next > UINT32_MAX) break;
        if (header.method != kMethodCompressed && header.packedSize > header.unpackedSize) break;
        if (header.unpackedSize == 0) break;

        // Install folder (with the backslash it gets below) plus name must fit 260 bytes.
        size_t folderLength = std::strlen(state_.targetFolder);
        const bool appendBackslash = state_.targetFolder[folderLength - 1] != '\\';
        if (folderLength + (appendBackslash ? 1 : 0) + nameSize > kPathSize) break;

        // A compressed member may have no data at all (its stream reads as zero bits).
        packed = files_.obtainBlock(header.packedSize > 0 ? header.packedSize : 1);
        unpacked = files_.obtainBlock(header.unpackedSize);
        if (packed == nullptr || unpacked == nullptr) break;
        if (!readExact(files_, file, packed, header.packedSize)) break;

        if (header.method == kMethodCompressed) {
            if (decoder_ == nullptr ||
                !decoder_->decodeMember(static_cast<const uint8_t*>(packed), header.packedSize,
                                        static_cast<uint8_t*>(unpacked), header.unpackedSize))
                break;
        } else {
            std::memcpy(unpacked, packed, header.packedSize);
        }

        // The member is ready: the install folder gets its backslash, and the
        // member's path is made under it.
        if (appendBackslash) {
            state_.targetFolder[folderLength++] = '\\';
            state_.targetFolder[folderLength] = '\0';
        }
        char fullPath[kPathSize];
        std::memcpy(fullPath, state_.targetFolder, folderLength);
        std::memcpy(fullPath + folderLength, name, nameSize);
        if (!makeFolders(fullPath)) break;
        std::memcpy(state_.currentMemberName, name, nameSize);
        if (!writeWhole(files_, fullPath, unpacked, header.unpackedSize)) break;
        result = static_cast<int64_t>(next);
    } while (false);

    if (packed != nullptr) files_.releaseBlock(packed);
    if (unpacked != nullptr) files_.releaseBlock(unpacked);
    files_.close(file);
    return result;
}

}  // namespace torvinst
