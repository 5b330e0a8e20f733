// Deterministic sample inputs for the stream tests and benchmarks: prose-like
// text, random bytes, long runs and periodic data.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sample {

inline uint32_t nextRandom(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

inline std::vector<uint8_t> randomBytes(size_t size, uint32_t seed = 12345) {
    std::vector<uint8_t> out(size);
    for (uint8_t& b : out) b = static_cast<uint8_t>(nextRandom(seed));
    return out;
}

// Words drawn with a skewed distribution, with punctuation and CR LF lines.
inline std::vector<uint8_t> text(size_t size, uint32_t seed = 777) {
    static const char* const kWords[] = {
        "the", "installer", "writes", "each", "member", "of", "package", "into", "folder", "and",
        "window", "decoder", "reads", "block", "header", "with", "three", "codes", "a", "to",
        "benchmark", "score", "memory", "drive", "result", "file", "Lumivane", "template", "bitmap", "is",
        "progress", "temporary", "extract", "compressed", "stream", "length", "distance", "table", "tree", "in"};
    const size_t wordCount = sizeof(kWords) / sizeof(kWords[0]);
    std::string out;
    size_t column = 0;
    while (out.size() < size) {
        const uint32_t r = nextRandom(seed);
        const size_t w = (r % wordCount) * ((r >> 12) % wordCount) / wordCount;  // favours early words
        out += kWords[w];
        column += std::string(kWords[w]).size();
        if (r % 13 == 0) out += ',';
        if (r % 17 == 0) out += '.';
        if (column > 70) {
            out += "\r\n";
            column = 0;
        } else {
            out += ' ';
            ++column;
        }
    }
    out.resize(size);
    return std::vector<uint8_t>(out.begin(), out.end());
}

// Long runs of a few byte values, of varying lengths up to several KiB.
inline std::vector<uint8_t> runs(size_t size, uint32_t seed = 4242) {
    std::vector<uint8_t> out;
    out.reserve(size);
    while (out.size() < size) {
        const uint32_t r = nextRandom(seed);
        const size_t length = 1 + r % 5000;
        const uint8_t value = static_cast<uint8_t>((r >> 16) % 4 * 60);
        for (size_t i = 0; i < length && out.size() < size; ++i) out.push_back(value);
    }
    return out;
}

// A short pattern repeated: long overlapping matches that cross every chunk end.
inline std::vector<uint8_t> periodic(size_t size, size_t period) {
    std::vector<uint8_t> out(size);
    for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>('a' + i % period);
    return out;
}

}  // namespace sample
