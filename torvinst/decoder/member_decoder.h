// Decoder of the package members' compressed stream: LZ77 over an 8 KiB
// window with static Huffman codes sent per block (lh5-compatible).
#pragma once
#include <cstdint>

namespace torvinst {

class MemberDecoder {
public:
    // Decodes one member: `input` holds `inputSize` compressed bytes, `output`
    // receives exactly `outputSize` bytes. Returns false when a code table of
    // the stream failed (the member is damaged). Input that runs out is read
    // as zero bits. The window carries over from the previous member.
    bool decodeMember(const uint8_t* input, uint32_t inputSize, uint8_t* output, uint32_t outputSize);

    // ... fixed-size state (window, tables, tree links, bit input) ...
};

}  // namespace torvinst
