// Just enough of the LZH archive format to carry single streams between our
// tools and other LZH programs: writing level-0 archives, and reading the
// members of level 0, 1 and 2 archives.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lzh {

using Bytes = std::vector<uint8_t>;

// CRC-16 of the archive format (reflected polynomial 0xA001, start 0).
uint16_t crc16(const Bytes& data);

struct Member {
    std::string method;  // e.g. "-lh5-"
    std::string name;
    uint32_t originalSize = 0;
    Bytes packed;
};

// One level-0 header per member ("-lh5-" stream of `original`), then the end mark.
Bytes writeLevel0(const std::vector<std::pair<std::string, Bytes>>& members,
                  const std::vector<Bytes>& originals);

// Splits an archive into its members; false with `error` set when a header
// is damaged or runs past the end.
bool readArchive(const Bytes& archive, std::vector<Member>& members, std::string& error);

}  // namespace lzh
