// The encoder's Huffman lengths: complete codes (the decoder rejects any
// other) and never longer than the 16 bits the decoder reads.
#include <gtest/gtest.h>

#include <vector>

#include "lh5_encoder.h"

namespace {

// Sum of 2^(16 - length) over the used symbols: 65536 for a complete code.
uint32_t kraftSum(const std::vector<uint8_t>& lengths) {
    uint32_t sum = 0;
    for (uint8_t len : lengths) {
        if (len != 0) sum += 1u << (16 - len);
    }
    return sum;
}

TEST(CodeLengthsTest, CompleteAndAtMost16Bits) {
    std::vector<uint32_t> fibonacci(30, 0);  // optimal depth 29
    fibonacci[0] = fibonacci[1] = 1;
    for (size_t i = 2; i < fibonacci.size(); ++i) fibonacci[i] = fibonacci[i - 1] + fibonacci[i - 2];
    std::vector<uint32_t> sparse(510, 0);  // two used symbols far apart
    sparse[3] = 1000;
    sparse[509] = 1;
    std::vector<uint32_t> flat(510, 7);

    for (const auto& freq : {fibonacci, sparse, flat}) {
        const std::vector<uint8_t> lengths = lh5::detail::limitedCodeLengths(freq);
        ASSERT_EQ(lengths.size(), freq.size());
        EXPECT_EQ(kraftSum(lengths), 65536u);
        for (size_t s = 0; s < freq.size(); ++s) {
            EXPECT_LE(lengths[s], 16);
            EXPECT_EQ(lengths[s] == 0, freq[s] == 0) << s;
        }
    }
    // A more frequent symbol never gets a longer code than a rarer one.
    const std::vector<uint8_t> lengths = lh5::detail::limitedCodeLengths(fibonacci);
    for (size_t s = 1; s < lengths.size(); ++s) EXPECT_LE(lengths[s], lengths[s - 1]) << s;
}

}  // namespace
