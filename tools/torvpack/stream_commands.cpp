// torvpack encode / decode: one raw stream, no package record around it.
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "host_files.h"
#include "lh5_encoder.h"
#include "member_decoder.h"

namespace torvpack {

namespace {

// A whole decimal number that fits in 32 bits, nothing else.
bool parseSize(const char* text, uint32_t& value) {
    if (text == nullptr || *text == '\0') return false;
    uint64_t v = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        v = v * 10 + static_cast<uint64_t>(*p - '0');
        if (v > std::numeric_limits<uint32_t>::max()) return false;
    }
    value = static_cast<uint32_t>(v);
    return true;
}

}  // namespace

int runEncode(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvpack encode IN OUT\n");
        return 2;
    }
    std::vector<uint8_t> data;
    if (!readWholeFile(argv[0], data)) {
        std::fprintf(stderr, "torvpack: cannot read %s\n", argv[0]);
        return 1;
    }
    const std::vector<uint8_t> stream = lh5::encodeStream(data.data(), data.size());
    if (!writeWholeFile(argv[1], stream.data(), stream.size())) {
        std::fprintf(stderr, "torvpack: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

int runDecode(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvpack decode IN OUT SIZE\n");
        return 2;
    }
    uint32_t size = 0;
    if (!parseSize(argv[2], size)) {
        std::fprintf(stderr, "torvpack: SIZE must be a number of bytes below 4 GiB: %s\n", argv[2]);
        return 2;
    }
    std::vector<uint8_t> stream;
    if (!readWholeFile(argv[0], stream)) {
        std::fprintf(stderr, "torvpack: cannot read %s\n", argv[0]);
        return 1;
    }
    if (stream.size() > std::numeric_limits<uint32_t>::max()) {
        std::fprintf(stderr, "torvpack: %s is too large for a stream\n", argv[0]);
        return 1;
    }
    std::vector<uint8_t> output(size);
    // The decoder keeps 40 KiB of state: on the heap, not the stack.
    auto decoder = std::make_unique<torvinst::MemberDecoder>();
    if (!decoder->decodeMember(stream.data(), static_cast<uint32_t>(stream.size()), output.data(), size)) {
        std::fprintf(stderr, "torvpack: %s is damaged (a code table of the stream failed)\n", argv[0]);
        return 1;
    }
    if (!writeWholeFile(argv[1], output.data(), output.size())) {
        std::fprintf(stderr, "torvpack: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

}  // namespace torvpack
