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

    static constexpr uint32_t kWindowSize = 8192;
    static constexpr uint32_t kWindowMask = kWindowSize - 1;
    static constexpr uint32_t kSymbolCount = 510;   // 256 literals + 254 match lengths
    static constexpr uint32_t kLengthCodeCount = 19;
    static constexpr uint32_t kDistanceCount = 14;
    static constexpr uint32_t kNodeCount = 2 * kSymbolCount - 1;
    static constexpr uint32_t kSymbolTableBits = 12;
    static constexpr uint32_t kAuxTableBits = 8;
    static constexpr uint32_t kMaxCodeLength = 16;

private:
    void startMember(const uint8_t* input, uint32_t inputSize);
    void shiftBits(uint32_t n);
    uint32_t readBits(uint32_t n);
    void buildTable(uint32_t count, const uint8_t* lengths, uint32_t tableBits, uint32_t* table);
    void readAuxLengths(uint32_t count, uint32_t countBits, uint32_t zeroRunAfter);
    void readSymbolLengths();
    uint32_t walkTree(uint32_t node, uint32_t mask, uint32_t alphabet);
    uint32_t decodeSymbol();
    uint32_t decodeDistance();
    void decodeChunk(uint32_t count);

    // Bit input.
    uint16_t lookAhead_ = 0;
    uint8_t pendingByte_ = 0;
    uint32_t bitsLeft_ = 0;
    const uint8_t* input_ = nullptr;
    uint32_t inputSize_ = 0;
    uint32_t inputIndex_ = 0;

    // Position in the member.
    int32_t blockRemaining_ = 0;
    int32_t copyRemaining_ = 0;
    uint32_t copySource_ = 0;
    bool failed_ = false;

    // Codes of the current block.
    uint8_t symbolLengths_[kSymbolCount] = {};
    uint8_t auxLengths_[kLengthCodeCount] = {};
    uint32_t symbolTable_[1u << kSymbolTableBits] = {};
    uint32_t auxTable_[1u << kAuxTableBits] = {};
    uint32_t left_[kNodeCount] = {};
    uint32_t right_[kNodeCount] = {};

    // Output chunk and dictionary; keeps the last bytes of the previous member.
    uint8_t window_[kWindowSize] = {};
};

}  // namespace torvinst
