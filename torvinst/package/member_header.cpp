#include "member_header.h"

#include <cstring>

namespace torvinst {

namespace {

uint32_t readLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void writeLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Device names that the system opens instead of a file, in any folder.
bool isDeviceName(const char* begin, const char* end) {
    // The base name is what precedes the first dot, trailing spaces ignored.
    const char* stop = begin;
    while (stop != end && *stop != '.') ++stop;
    while (stop != begin && stop[-1] == ' ') --stop;
    const size_t n = static_cast<size_t>(stop - begin);
    char base[8] = {};
    if (n < 3 || n > 7) return false;
    for (size_t i = 0; i < n; ++i) base[i] = upper(begin[i]);
    static const char* const fixed[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* d : fixed)
        if (std::strcmp(base, d) == 0) return true;
    // COM and LPT followed by a digit 0-9 or a superscript 1, 2 or 3 (single
    // bytes in the Western code page) are all reserved.
    if (n == 4 && (std::strncmp(base, "COM", 3) == 0 || std::strncmp(base, "LPT", 3) == 0)) {
        const unsigned char d = static_cast<unsigned char>(base[3]);
        return (d >= '0' && d <= '9') || d == 0xB9 || d == 0xB2 || d == 0xB3;
    }
    return false;
}

// A component that the system would trim to nothing, ".", or ".." (trailing
// dots and spaces are dropped when a path is opened) cannot be a file name.
bool isSafeComponent(const char* begin, const char* end) {
    const char* stop = end;
    while (stop != begin && (stop[-1] == '.' || stop[-1] == ' ')) --stop;
    if (stop == begin) return false;
    return !isDeviceName(begin, end);
}

}  // namespace

bool parseMemberHeader(const uint8_t* bytes, MemberHeader& header) {
    std::memcpy(header.magic, bytes, 4);
    header.headerSize = readLe32(bytes + 4);
    header.method = readLe32(bytes + 8);
    header.packedSize = readLe32(bytes + 12);
    header.unpackedSize = readLe32(bytes + 16);
    return std::memcmp(header.magic, kMemberMagic, 4) == 0;
}

void formatMemberHeader(const MemberHeader& header, uint8_t* bytes) {
    std::memcpy(bytes, header.magic, 4);
    writeLe32(bytes + 4, header.headerSize);
    writeLe32(bytes + 8, header.method);
    writeLe32(bytes + 12, header.packedSize);
    writeLe32(bytes + 16, header.unpackedSize);
}

bool isWellFormedName(const char* name, uint32_t nameSize) {
    if (nameSize < 1 || nameSize > kMemberNameMax) return false;
    if (name[nameSize - 1] != '\0') return false;
    return std::memchr(name, '\0', nameSize - 1) == nullptr;
}

bool isSafeMemberName(const char* name) {
    if (name[0] == '\0' || name[0] == '\\') return false;
    const char* componentStart = name;
    for (const char* p = name;; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\0' || c == '\\') {
            if (!isSafeComponent(componentStart, p)) return false;
            if (c == '\0') return true;
            componentStart = p + 1;
            continue;
        }
        if (c < 0x20 || c == ':' || c == '/') return false;
    }
}

}  // namespace torvinst
