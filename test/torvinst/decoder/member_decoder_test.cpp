// MemberDecoder: round trips with the stream encoder, hand-made streams for
// the header forms the encoder never writes, and damaged streams.
#include "member_decoder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lh5_encoder.h"
#include "sample_data.h"

namespace {

using torvinst::MemberDecoder;
using Bytes = std::vector<uint8_t>;

// Streams written bit by bit, most significant bit first.
class Bits {
public:
    Bits& put(uint32_t value, uint32_t n) {
        for (uint32_t i = n; i-- > 0;) {
            if (used_ == 0) bytes_.push_back(0);
            if ((value >> i) & 1u) bytes_.back() |= static_cast<uint8_t>(0x80u >> used_);
            used_ = (used_ + 1) % 8;
        }
        return *this;
    }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
    uint32_t used_ = 0;
};

// Block header whose three codes are all single symbols (count field 0):
// every literal/length symbol is `symbol`, every distance class `distClass`.
Bits singleSymbolBlock(uint32_t blockSize, uint32_t symbol, uint32_t distClass) {
    Bits b;
    b.put(blockSize, 16).put(0, 5).put(0, 5).put(0, 9).put(symbol, 9).put(0, 4).put(distClass, 4);
    return b;
}

class MemberDecoderTest : public ::testing::Test {
protected:
    // Decodes into a block pre-filled with 0xAA, so untouched bytes show.
    bool decode(const Bytes& stream, Bytes& out, size_t size) {
        out.assign(size, 0xAA);
        return decoder->decodeMember(stream.data(), static_cast<uint32_t>(stream.size()), out.data(),
                                     static_cast<uint32_t>(size));
    }
    void roundTrip(const Bytes& data) {
        const Bytes stream = lh5::encodeStream(data.data(), data.size());
        Bytes out;
        ASSERT_TRUE(decode(stream, out, data.size()));
        ASSERT_EQ(out, data);
    }
    std::unique_ptr<MemberDecoder> decoder = std::make_unique<MemberDecoder>();
};

TEST_F(MemberDecoderTest, RoundTripsEncoderStreamsAcrossChunksAndMembers) {
    // One decoder for all members in turn, as in an installation.
    const struct {
        const char* name;
        Bytes data;
    } cases[] = {
        {"one byte", sample::text(1)},
        {"one chunk", sample::text(8192)},
        {"chunk plus one", sample::text(8193)},
        {"text", sample::text(300000)},
        {"random", sample::randomBytes(200000)},
        {"runs", sample::runs(300000)},
        {"period 5", sample::periodic(20000, 5)},
        {"period 1", sample::periodic(70000, 1)},
        {"mixed", [] {
             Bytes d = sample::text(100000);
             const Bytes r = sample::randomBytes(50000);
             d.insert(d.begin() + 40000, r.begin(), r.end());
             return d;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        roundTrip(c.data);
    }
}

TEST_F(MemberDecoderTest, OutputSizeZeroDecodesNothing) {
    Bytes out;
    EXPECT_TRUE(decoder->decodeMember(nullptr, 0, nullptr, 0));
    const Bytes garbage = {0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(decode(garbage, out, 0));
}

TEST_F(MemberDecoderTest, InputThatRunsOutReadsAsZeroBits) {
    // No input at all: a block of size 0 whose codes all decode to symbol 0.
    Bytes out;
    EXPECT_TRUE(decode(Bytes{}, out, 10000));
    EXPECT_EQ(out, Bytes(10000, 0));

    // A truncated stream is still filled to the requested size.
    const Bytes data = sample::text(50000);
    Bytes stream = lh5::encodeStream(data.data(), data.size());
    stream.resize(stream.size() / 2);
    // Past its end the block runs on zero bits, then a zero header makes every
    // symbol a 0 byte: no table fails.
    EXPECT_TRUE(decode(stream, out, data.size()));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 1000), Bytes(data.begin(), data.begin() + 1000));
    EXPECT_EQ(out.back(), 0);
}

TEST_F(MemberDecoderTest, CountZeroFormsCostNoBitsAndBlockSizeZeroKeepsItsCodes) {
    struct Case {
        uint32_t blockSize;
        size_t expectedA;  // leading 'A' bytes; the rest come from a zero-bit header (byte 0)
    };
    for (const Case c : {Case{0, 20000}, Case{1, 1}, Case{9000, 9000}}) {
        SCOPED_TRACE(c.blockSize);
        const Bits b = singleSymbolBlock(c.blockSize, 'A', 0);
        ASSERT_EQ(b.bytes().size(), 7u);  // 52 header bits and nothing per symbol
        Bytes out;
        ASSERT_TRUE(decode(b.bytes(), out, 20000));
        Bytes expected(20000, 0);
        std::fill(expected.begin(), expected.begin() + c.expectedA, 'A');
        EXPECT_EQ(out, expected);
    }
}

TEST_F(MemberDecoderTest, MatchLengthsAndDistanceClassesReachIntoThePreviousMember) {
    // The window keeps each byte of the previous member at its position
    // modulo 8192, and a new member starts at window index 0: a match from d
    // bytes back at the start reads window index 8192 - d.
    const Bytes previous = sample::randomBytes(8192 * 2 + 100, 99);
    roundTrip(previous);
    Bytes history(8192);
    for (size_t p = 0; p < previous.size(); ++p) history[p % 8192] = previous[p];

    struct Case {
        uint32_t symbol;
        uint32_t distClass;
        std::vector<uint32_t> extras;  // one per match, class - 1 bits each
    };
    const Case cases[] = {
        {256, 0, {}},              // 3 bytes from 1 back: repeats the last byte
        {509, 1, {}},              // 256 bytes from 2 back
        {256, 13, {0, 4095, 17}},  // 4096..8191: copies from 4097..8192 back
        {300, 5, {3, 15}},         // 47-byte matches from 20 and 32 back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol * 100 + c.distClass);
        const size_t matches = c.extras.empty() ? 1 : c.extras.size();
        Bits b = singleSymbolBlock(static_cast<uint32_t>(matches), c.symbol, c.distClass);
        Bytes expected = history;
        for (size_t m = 0; m < matches; ++m) {
            const uint32_t extra = c.extras.empty() ? 0 : c.extras[m];
            if (c.distClass > 1) b.put(extra, c.distClass - 1);
            const size_t distance = c.distClass == 0 ? 0 : (size_t{1} << (c.distClass - 1)) + extra;
            for (uint32_t k = 0; k < c.symbol - 253; ++k) expected.push_back(expected[expected.size() - distance - 1]);
        }
        const size_t size = expected.size() - history.size();
        Bytes out;
        ASSERT_TRUE(decode(b.bytes(), out, size));
        EXPECT_EQ(out, Bytes(expected.begin() + 8192, expected.end()));
        for (size_t k = 0; k < out.size(); ++k) history[k] = out[k];
    }
}

TEST_F(MemberDecoderTest, FailedCodeKeepsThePreviousTableUntilTheChunkEnds) {
    // Block 1 (one symbol) makes every literal/length code decode to 'A'.
    // Block 2 (size 0: its codes serve the rest of the member) sends three
    // literal/length codes of 1 bit each, which overfill the code space: that
    // table fails and keeps block 1's, so the chunk still runs to its end on
    // 'A', and only then does the member fail.
    Bits b = singleSymbolBlock(1, 'A', 0);
    b.put(0, 16).put(0, 5).put(3, 5).put(3, 9).put(0, 4).put(0, 4);
    Bytes out;
    EXPECT_FALSE(decode(b.bytes(), out, 20000));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8192), Bytes(8192, 'A'));
    EXPECT_EQ(Bytes(out.begin() + 8192, out.end()), Bytes(20000 - 8192, 0xAA));
}

TEST_F(MemberDecoderTest, DamagedStreamsFailWithoutOverrun) {
    struct Case {
        const char* name;
        Bits stream;
    };
    Case cases[] = {
        {"length code count 20", Bits().put(1, 16).put(20, 5)},
        {"distance count 15",
         Bits().put(1, 16).put(0, 5).put(0, 5).put(0, 9).put('A', 9).put(15, 4)},
        {"symbol count 511", Bits().put(1, 16).put(0, 5).put(2, 5).put(511, 9)},
        // Length code where every token is 2 (a run of 20 + 9 bits): 511 zeros.
        {"zero run past 510", Bits().put(1, 16).put(0, 5).put(2, 5).put(510, 9).put(491, 9)},
        {"length code length 20", Bits().put(1, 16).put(1, 5).put(7, 3).put(0x1FFF, 13)},
        {"length code not complete", Bits().put(1, 16).put(1, 5).put(1, 3)},
        {"length code value 25", Bits().put(1, 16).put(0, 5).put(25, 5)},
        {"symbol value 510", Bits().put(1, 16).put(0, 5).put(0, 5).put(0, 9).put(510, 9)},
        {"distance value 14",
         Bits().put(1, 16).put(0, 5).put(0, 5).put(0, 9).put(256, 9).put(0, 4).put(14, 4)},
        {"all ones", Bits().put(0xFFFFFF, 24).put(0xFFFFFF, 24)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out;
        EXPECT_FALSE(decode(c.stream.bytes(), out, 20000));
        // The failure is seen after the first chunk: nothing is written after it.
        EXPECT_EQ(Bytes(out.begin() + 8192, out.end()), Bytes(20000 - 8192, 0xAA));
        // The next member is decoded as if nothing had happened.
        roundTrip(sample::text(9000));
    }
}

}  // namespace
