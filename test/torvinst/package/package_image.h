// Builds package bytes record by record, including damaged records, for the
// package tests.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "member_header.h"

namespace torvinst_test {

struct RawRecord {
    std::string magic = "dbcf";
    uint32_t method = 0;
    std::string nameBytes;  // exactly as stored, NUL included when wanted
    std::vector<uint8_t> data;
    uint32_t unpackedSize = 0;
    // Overrides of the sizes written in the header (0xFFFFFFFF: computed).
    uint32_t headerSize = 0xFFFFFFFFu;
    uint32_t packedSize = 0xFFFFFFFFu;
};

inline void appendRecord(std::vector<uint8_t>& package, const RawRecord& r) {
    torvinst::MemberHeader h;
    std::memcpy(h.magic, r.magic.data(), 4);
    h.headerSize = r.headerSize != 0xFFFFFFFFu ? r.headerSize : static_cast<uint32_t>(20 + r.nameBytes.size());
    h.method = r.method;
    h.packedSize = r.packedSize != 0xFFFFFFFFu ? r.packedSize : static_cast<uint32_t>(r.data.size());
    h.unpackedSize = r.unpackedSize;
    uint8_t fixed[20];
    torvinst::formatMemberHeader(h, fixed);
    package.insert(package.end(), fixed, fixed + 20);
    package.insert(package.end(), r.nameBytes.begin(), r.nameBytes.end());
    package.insert(package.end(), r.data.begin(), r.data.end());
}

// A well-formed stored member holding `content`.
inline void appendStored(std::vector<uint8_t>& package, const std::string& name, const std::string& content) {
    RawRecord r;
    r.nameBytes = name + '\0';
    r.data.assign(content.begin(), content.end());
    r.unpackedSize = static_cast<uint32_t>(content.size());
    appendRecord(package, r);
}

}  // namespace torvinst_test
