// Input: one mode byte, two bytes of output size, then the data.
// Mode bit 0 clear: the data are a (likely damaged) stream to decode; the
// decoder must stay inside its arrays and the output block.
// Mode bit 0 set: the data are encoded and decoded again and must come back.
// One decoder serves every input, as one serves every member of a package.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lh5_encoder.h"
#include "member_decoder.h"

namespace {
torvinst::MemberDecoder decoder;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const bool roundTrip = (data[0] & 1) != 0;
    const uint32_t outputSize = (static_cast<uint32_t>(data[1]) << 8 | data[2]) * 3;  // up to ~192 KiB
    data += 3;
    size -= 3;
    if (roundTrip) {
        const std::vector<uint8_t> stream = lh5::encodeStream(data, size);
        std::vector<uint8_t> out(size);
        if (!decoder.decodeMember(stream.data(), static_cast<uint32_t>(stream.size()), out.data(),
                                  static_cast<uint32_t>(size)) ||
            (size != 0 && std::memcmp(out.data(), data, size) != 0)) {
            std::abort();
        }
        return 0;
    }
    // An exactly sized heap block, so that any write past it is caught.
    std::vector<uint8_t> input(data, data + size);
    uint8_t* out = static_cast<uint8_t*>(std::malloc(outputSize == 0 ? 1 : outputSize));
    decoder.decodeMember(input.data(), static_cast<uint32_t>(input.size()), out, outputSize);
    std::free(out);
    return 0;
}
