// One record header of the installer's package: the fixed 20 bytes that
// precede the member's name and data. Numbers are little-endian on disk.
#pragma once
#include <cstdint>

namespace torvinst {

constexpr uint32_t kMemberFixedSize = 20;      // magic, headerSize, method, packedSize, unpackedSize
constexpr uint32_t kMemberNameMax = 260;       // name bytes including the NUL
constexpr uint32_t kMethodCompressed = 1;      // any other method: the data are the file's bytes
constexpr char kMemberMagic[4] = {'d', 'b', 'c', 'f'};

struct MemberHeader {
    char magic[4];
    uint32_t headerSize;    // 20 + name length including its NUL
    uint32_t method;
    uint32_t packedSize;    // data bytes after the header
    uint32_t unpackedSize;  // size of the file the member becomes
};

// Reads the fixed header from 20 bytes; true when the magic is "dbcf".
bool parseMemberHeader(const uint8_t* bytes, MemberHeader& header);

// Writes the fixed header as 20 bytes.
void formatMemberHeader(const MemberHeader& header, uint8_t* bytes);

// Checks the name field of a record: `nameSize` bytes (headerSize - 20) that
// must end in their only NUL and fit the 260-byte limit.
bool isWellFormedName(const char* name, uint32_t nameSize);

// True when a member name stays inside the install folder: relative,
// backslash-separated, no drive or stream colon, no forward slash, no empty,
// "." or ".." component (nor one that the system would trim to such), and no
// reserved device name. Such a name cannot reach a file outside the folder.
bool isSafeMemberName(const char* name);

}  // namespace torvinst
