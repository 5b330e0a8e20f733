// Encoder of the compressed member stream (the lh5 method of LZH archives):
// LZ77 over an 8 KiB window with matches of 3 to 256 bytes, found through
// hash chains with lazy matching, and static Huffman codes sent per block of
// up to 65,535 symbols.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lh5 {

// Compresses `size` bytes at `data` into one raw stream, without any archive
// header. The stream carries no length: a decoder is told the original size
// (`size`) separately and stops there. An empty input gives an empty stream.
// The last byte is padded with zero bits. The result is deterministic.
std::vector<uint8_t> encodeStream(const uint8_t* data, size_t size);

namespace detail {
// Huffman code lengths for the frequencies `freq` (0 = symbol unused, length
// 0), none longer than 16 bits; at least two symbols must be used. Exposed
// for tests.
std::vector<uint8_t> limitedCodeLengths(std::vector<uint32_t> freq);
}  // namespace detail

}  // namespace lh5
