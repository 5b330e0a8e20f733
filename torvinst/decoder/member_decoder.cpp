// Table-driven decoder of one compressed member. The bit input, the order in
// which block headers and codes are read, and the chunking of the output are
// those of the stream format; damaged streams are caught wherever an index
// could leave its array, and fail the member.
#include "member_decoder.h"

#include <cstring>

namespace torvinst {

namespace {
// zeroRunAfter value that is never reached: the distance code has no zero run.
constexpr uint32_t kNoZeroRun = 0xFFFFFFFFu;
}  // namespace

void MemberDecoder::startMember(const uint8_t* input, uint32_t inputSize) {
    input_ = input;
    inputSize_ = input ? inputSize : 0;
    inputIndex_ = 0;
    lookAhead_ = 0;
    pendingByte_ = 0;
    bitsLeft_ = 0;
    shiftBits(16);
    blockRemaining_ = 0;
    copyRemaining_ = 0;
    failed_ = false;
}

// Drops the top n bits of the look-ahead and refills n bits at the bottom,
// fetching input bytes as they are needed (zero bytes once input ran out).
void MemberDecoder::shiftBits(uint32_t n) {
    uint32_t la = (static_cast<uint32_t>(lookAhead_) << n) & 0xFFFFu;
    while (n > bitsLeft_) {
        n -= bitsLeft_;
        la |= (static_cast<uint32_t>(pendingByte_) << n) & 0xFFFFu;
        pendingByte_ = inputIndex_ < inputSize_ ? input_[inputIndex_] : 0;
        if (inputIndex_ < inputSize_) ++inputIndex_;
        bitsLeft_ = 8;
    }
    bitsLeft_ -= n;
    la |= static_cast<uint32_t>(pendingByte_) >> bitsLeft_;
    lookAhead_ = static_cast<uint16_t>(la);
}

uint32_t MemberDecoder::readBits(uint32_t n) {
    uint32_t value = n == 0 ? 0 : static_cast<uint32_t>(lookAhead_) >> (16 - n);
    shiftBits(n);
    return value;
}

// Canonical Huffman decoder: codes up to tableBits long resolve with one
// lookup; longer ones continue from their table slot through the tree links.
// Lengths are at most 16 (the readers reject longer ones).
void MemberDecoder::buildTable(uint32_t count, const uint8_t* lengths, uint32_t tableBits, uint32_t* table) {
    uint32_t tally[17] = {};
    uint32_t start[18] = {};
    uint32_t weight[17] = {};
    for (uint32_t s = 0; s < count; ++s) {
        if (lengths[s] != 0) ++tally[lengths[s]];
    }
    start[1] = 0;
    for (uint32_t len = 1; len <= 16; ++len) start[len + 1] = start[len] + (tally[len] << (16 - len));
    if (start[17] != 65536u) {
        // The lengths do not fill the code space exactly: the previous table stays.
        failed_ = true;
        return;
    }
    const uint32_t shift = 16 - tableBits;
    for (uint32_t len = 1; len <= tableBits; ++len) {
        start[len] >>= shift;
        weight[len] = 1u << (tableBits - len);
    }
    for (uint32_t len = tableBits + 1; len <= 16; ++len) weight[len] = 1u << (16 - len);

    const uint32_t tableSize = 1u << tableBits;
    for (uint32_t i = start[tableBits + 1] >> shift; i < tableSize; ++i) table[i] = 0;

    uint32_t nextNode = count;
    const uint32_t mask = 1u << (15 - tableBits);
    for (uint32_t s = 0; s < count; ++s) {
        const uint32_t len = lengths[s];
        if (len == 0) continue;
        uint32_t k = start[len];
        const uint32_t end = k + weight[len];
        if (len <= tableBits) {
            for (uint32_t i = k; i < end; ++i) table[i] = s;
        } else {
            uint32_t* slot = &table[k >> shift];
            for (uint32_t step = len - tableBits; step != 0; --step) {
                if (*slot == 0) {
                    if (nextNode >= kNodeCount) {
                        failed_ = true;
                        return;
                    }
                    left_[nextNode] = 0;
                    right_[nextNode] = 0;
                    *slot = nextNode++;
                }
                slot = (k & mask) ? &right_[*slot] : &left_[*slot];
                k <<= 1;
            }
            *slot = s;
        }
        start[len] = end;
    }
}

// Reads the code lengths of the length code (19, 5, 3) or of the distance
// code (14, 4, none) and builds the shared aux table.
void MemberDecoder::readAuxLengths(uint32_t count, uint32_t countBits, uint32_t zeroRunAfter) {
    const uint32_t n = readBits(countBits);
    if (n == 0) {
        const uint32_t v = readBits(countBits);
        for (uint32_t i = 0; i < count; ++i) auxLengths_[i] = 0;
        if (v >= count) {
            failed_ = true;
            return;
        }
        for (uint32_t& entry : auxTable_) entry = v;
        return;
    }
    if (n > count) {
        failed_ = true;
        return;
    }
    uint32_t i = 0;
    while (i < n) {
        uint32_t x = static_cast<uint32_t>(lookAhead_) >> 13;
        if (x == 7) {
            for (uint32_t m = 1u << 12; (m & lookAhead_) != 0; m >>= 1) ++x;
        }
        if (x > kMaxCodeLength) {
            failed_ = true;
            return;
        }
        shiftBits(x < 7 ? 3 : x - 3);
        auxLengths_[i++] = static_cast<uint8_t>(x);
        if (i == zeroRunAfter) {
            uint32_t z = readBits(2);
            for (; z != 0 && i < count; --z) auxLengths_[i++] = 0;
        }
    }
    for (; i < count; ++i) auxLengths_[i] = 0;
    buildTable(count, auxLengths_, kAuxTableBits, auxTable_);
}

void MemberDecoder::readSymbolLengths() {
    const uint32_t n = readBits(9);
    if (n == 0) {
        const uint32_t v = readBits(9);
        for (uint8_t& len : symbolLengths_) len = 0;
        if (v >= kSymbolCount) {
            failed_ = true;
            return;
        }
        for (uint32_t& entry : symbolTable_) entry = v;
        return;
    }
    if (n > kSymbolCount) {
        failed_ = true;
        return;
    }
    uint32_t i = 0;
    while (i < n) {
        uint32_t x = auxTable_[lookAhead_ >> 8];
        if (x >= kLengthCodeCount) x = walkTree(x, 1u << 7, kLengthCodeCount);
        shiftBits(auxLengths_[x]);
        if (x <= 2) {
            uint32_t run = 1;
            if (x == 1) run = readBits(4) + 3;
            if (x == 2) run = readBits(9) + 20;
            if (run > kSymbolCount - i) {
                failed_ = true;
                return;
            }
            for (; run != 0; --run) symbolLengths_[i++] = 0;
        } else {
            symbolLengths_[i++] = static_cast<uint8_t>(x - 2);
        }
    }
    for (; i < kSymbolCount; ++i) symbolLengths_[i] = 0;
    buildTable(kSymbolCount, symbolLengths_, kSymbolTableBits, symbolTable_);
}

// Follows the tree links from `node`, one look-ahead bit per step starting at
// `mask`. A walk that runs out of look-ahead bits or leaves the links (only
// possible in a damaged stream) fails the member and yields symbol 0.
uint32_t MemberDecoder::walkTree(uint32_t node, uint32_t mask, uint32_t alphabet) {
    while (node >= alphabet) {
        if (mask == 0 || node >= kNodeCount) {
            failed_ = true;
            return 0;
        }
        node = (lookAhead_ & mask) ? right_[node] : left_[node];
        mask >>= 1;
    }
    return node;
}

uint32_t MemberDecoder::decodeSymbol() {
    if (blockRemaining_ == 0) {
        blockRemaining_ = static_cast<int32_t>(readBits(16));
        readAuxLengths(kLengthCodeCount, 5, 3);
        readSymbolLengths();
        readAuxLengths(kDistanceCount, 4, kNoZeroRun);
    }
    // A block size of 0 leaves the count negative: its codes serve the rest
    // of the member. Counting down wraps instead of overflowing.
    blockRemaining_ = static_cast<int32_t>(static_cast<uint32_t>(blockRemaining_) - 1u);
    uint32_t j = symbolTable_[lookAhead_ >> 4];
    if (j >= kSymbolCount) j = walkTree(j, 1u << 3, kSymbolCount);
    shiftBits(symbolLengths_[j]);
    return j;
}

uint32_t MemberDecoder::decodeDistance() {
    uint32_t j = auxTable_[lookAhead_ >> 8];
    if (j >= kDistanceCount) j = walkTree(j, 1u << 7, kDistanceCount);
    shiftBits(auxLengths_[j]);
    if (j != 0) j = (1u << (j - 1)) + readBits(j - 1);
    return j;
}

// Fills window[0..count-1]; a match cut by the end of the chunk goes on at
// the start of the next one.
void MemberDecoder::decodeChunk(uint32_t count) {
    uint32_t r = 0;
    for (;;) {
        while (copyRemaining_ > 0) {
            --copyRemaining_;
            window_[r] = window_[copySource_];
            copySource_ = (copySource_ + 1) & kWindowMask;
            if (++r == count) return;
        }
        const uint32_t x = decodeSymbol();
        if (x <= 255) {
            window_[r] = static_cast<uint8_t>(x);
            if (++r == count) return;
        } else {
            copyRemaining_ = static_cast<int32_t>(x - 253);
            copySource_ = (r - decodeDistance() - 1) & kWindowMask;
        }
    }
}

bool MemberDecoder::decodeMember(const uint8_t* input, uint32_t inputSize, uint8_t* output, uint32_t outputSize) {
    if (output == nullptr && outputSize != 0) return false;
    startMember(input, inputSize);
    uint32_t remaining = outputSize;
    uint32_t written = 0;
    while (remaining != 0 && !failed_) {
        const uint32_t n = remaining < kWindowSize ? remaining : kWindowSize;
        decodeChunk(n);
        std::memcpy(output + written, window_, n);
        written += n;
        remaining -= n;
    }
    return !failed_;
}

}  // namespace torvinst
