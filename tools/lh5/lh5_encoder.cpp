// Stream encoder: a greedy-lazy LZ77 parse over the input, cut into blocks,
// each block sent with its own three canonical Huffman codes in exactly the
// header form the decoder reads.
#include "lh5_encoder.h"

#include <algorithm>
#include <array>
#include <queue>

namespace lh5 {

namespace {

constexpr uint32_t kSymbolCount = 510;       // 0..255 literals, 256..509 match lengths 3..256
constexpr uint32_t kLengthCodeCount = 19;
constexpr uint32_t kDistanceCount = 14;
constexpr uint32_t kMinMatch = 3;
constexpr uint32_t kMaxMatch = 256;
constexpr size_t kMaxDistance = 8191;        // bytes back; the decoder's window is 8192
constexpr size_t kWindowMask = 8191;
constexpr uint32_t kMaxBlockSymbols = 65535;
constexpr uint32_t kMaxCodeLength = 16;
constexpr uint32_t kHashBits = 15;
constexpr uint32_t kMaxChain = 512;
constexpr uint32_t kNiceLength = kMaxMatch;
constexpr size_t kNone = static_cast<size_t>(-1);

// One parsed symbol: a literal (code < 256) or a match length code with the
// distance value (bytes back minus one).
struct Token {
    uint16_t code;
    uint16_t distance;
};

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    // Appends the low `n` bits of `value`, most significant first; n <= 24.
    void put(uint32_t value, uint32_t n) {
        if (n == 0) return;
        acc_ = (acc_ << n) | (value & ((1u << n) - 1u));
        count_ += n;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(static_cast<uint8_t>(acc_ >> count_));
        }
        acc_ &= (1u << count_) - 1u;
    }
    void flush() {
        if (count_ != 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - count_)));
        acc_ = 0;
        count_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint32_t acc_ = 0;
    uint32_t count_ = 0;
};

uint32_t distanceClass(uint32_t distance) {
    uint32_t c = 0;
    while (distance != 0) {
        ++c;
        distance >>= 1;
    }
    return c;
}

}  // namespace

// When the optimal tree is too deep the frequencies are halved (keeping every
// used symbol at 1 or more) and the tree is rebuilt.
std::vector<uint8_t> detail::limitedCodeLengths(std::vector<uint32_t> freq) {
    const size_t n = freq.size();
    std::vector<uint8_t> lengths(n, 0);
    for (;;) {
        using Item = std::pair<uint64_t, uint32_t>;  // weight, node
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
        std::vector<uint32_t> parent(2 * n, 0);
        uint32_t next = static_cast<uint32_t>(n);
        for (uint32_t s = 0; s < n; ++s) {
            if (freq[s] != 0) queue.push({freq[s], s});
        }
        while (queue.size() > 1) {
            const Item a = queue.top();
            queue.pop();
            const Item b = queue.top();
            queue.pop();
            parent[a.second] = next;
            parent[b.second] = next;
            queue.push({a.first + b.first, next});
            ++next;
        }
        const uint32_t root = next - 1;
        std::vector<uint32_t> depth(2 * n, 0);
        for (uint32_t node = root; node-- > n;) depth[node] = depth[parent[node]] + 1;
        uint32_t deepest = 0;
        for (uint32_t s = 0; s < n; ++s) {
            lengths[s] = 0;
            if (freq[s] == 0) continue;
            const uint32_t d = depth[parent[s]] + 1;
            lengths[s] = static_cast<uint8_t>(std::min<uint32_t>(d, 255));
            deepest = std::max(deepest, d);
        }
        if (deepest <= kMaxCodeLength) return lengths;
        for (uint32_t& f : freq) {
            if (f != 0) f = (f + 1) / 2;
        }
    }
}

namespace {

// Canonical codes: equal lengths in increasing symbol order, shorter first.
std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths) {
    uint32_t tally[kMaxCodeLength + 2] = {};
    for (uint8_t len : lengths) {
        if (len != 0) ++tally[len];
    }
    uint32_t next[kMaxCodeLength + 2] = {};
    uint32_t code = 0;
    for (uint32_t len = 1; len <= kMaxCodeLength; ++len) {
        next[len] = code;
        code = (code + tally[len]) << 1;
    }
    std::vector<uint16_t> codes(lengths.size(), 0);
    for (size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] != 0) codes[s] = static_cast<uint16_t>(next[lengths[s]]++);
    }
    return codes;
}

// A code for one block: either the lengths of two or more used symbols, or a
// single symbol sent in the count-0 form (it then costs no bits).
struct Code {
    bool single = false;
    uint32_t singleSymbol = 0;
    std::vector<uint8_t> lengths;
    std::vector<uint16_t> codes;
};

Code makeCode(const std::vector<uint32_t>& freq) {
    Code code;
    uint32_t used = 0;
    for (uint32_t s = 0; s < freq.size(); ++s) {
        if (freq[s] != 0) {
            ++used;
            code.singleSymbol = s;
        }
    }
    if (used <= 1) {
        code.single = true;
        code.lengths.assign(freq.size(), 0);
        code.codes.assign(freq.size(), 0);
        return code;
    }
    code.lengths = detail::limitedCodeLengths(freq);
    code.codes = canonicalCodes(code.lengths);
    return code;
}

void putSymbol(BitWriter& bits, const Code& code, uint32_t s) {
    if (!code.single) bits.put(code.codes[s], code.lengths[s]);
}

// Code lengths of the length code and the distance code: 3 bits for 0..6,
// else 7 followed by (length - 7) one bits and a zero bit.
void putAuxLength(BitWriter& bits, uint32_t len) {
    if (len < 7) {
        bits.put(len, 3);
    } else {
        bits.put(7, 3);
        bits.put((1u << (len - 7)) - 1u, len - 7);
        bits.put(0, 1);
    }
}

void putAuxCode(BitWriter& bits, const Code& code, uint32_t countBits, bool zeroRun) {
    if (code.single) {
        bits.put(0, countBits);
        bits.put(code.singleSymbol, countBits);
        return;
    }
    uint32_t n = static_cast<uint32_t>(code.lengths.size());
    while (n > 0 && code.lengths[n - 1] == 0) --n;
    bits.put(n, countBits);
    uint32_t i = 0;
    while (i < n) {
        putAuxLength(bits, code.lengths[i++]);
        if (zeroRun && i == 3) {
            uint32_t z = 0;
            while (z < 3 && i + z < n && code.lengths[i + z] == 0) ++z;
            bits.put(z, 2);
            i += z;
        }
    }
}

// The literal/length lengths as length-code tokens: 0 one zero, 1 a run of
// 3..18 zeros (4 extra bits), 2 a run of 20..531 zeros (9 extra bits), and
// length + 2 for a used symbol.
struct LengthToken {
    uint8_t token;
    uint16_t extra;
};

std::vector<LengthToken> lengthTokens(const std::vector<uint8_t>& lengths, uint32_t n) {
    std::vector<LengthToken> tokens;
    uint32_t i = 0;
    while (i < n) {
        if (lengths[i] != 0) {
            tokens.push_back({static_cast<uint8_t>(lengths[i] + 2), 0});
            ++i;
            continue;
        }
        uint32_t run = 0;
        while (i + run < n && lengths[i + run] == 0) ++run;
        i += run;
        while (run != 0) {
            if (run <= 2) {
                tokens.push_back({0, 0});
                --run;
            } else if (run <= 18) {
                tokens.push_back({1, static_cast<uint16_t>(run - 3)});
                run = 0;
            } else if (run == 19) {
                tokens.push_back({0, 0});
                tokens.push_back({1, 15});
                run = 0;
            } else {
                const uint32_t take = std::min<uint32_t>(run, 531);
                tokens.push_back({2, static_cast<uint16_t>(take - 20)});
                run -= take;
            }
        }
    }
    return tokens;
}

void writeBlock(BitWriter& bits, const std::vector<Token>& tokens) {
    std::vector<uint32_t> symbolFreq(kSymbolCount, 0);
    std::vector<uint32_t> distanceFreq(kDistanceCount, 0);
    for (const Token& t : tokens) {
        ++symbolFreq[t.code];
        if (t.code >= 256) ++distanceFreq[distanceClass(t.distance)];
    }
    const Code symbols = makeCode(symbolFreq);
    const Code distances = makeCode(distanceFreq);

    bits.put(static_cast<uint32_t>(tokens.size()), 16);
    if (symbols.single) {
        // The length code is not needed: send it as a single symbol too.
        bits.put(0, 5);
        bits.put(0, 5);
        bits.put(0, 9);
        bits.put(symbols.singleSymbol, 9);
    } else {
        uint32_t n = kSymbolCount;
        while (n > 0 && symbols.lengths[n - 1] == 0) --n;
        const std::vector<LengthToken> lt = lengthTokens(symbols.lengths, n);
        std::vector<uint32_t> ltFreq(kLengthCodeCount, 0);
        for (const LengthToken& t : lt) ++ltFreq[t.token];
        const Code lengthCode = makeCode(ltFreq);
        putAuxCode(bits, lengthCode, 5, true);
        bits.put(n, 9);
        for (const LengthToken& t : lt) {
            putSymbol(bits, lengthCode, t.token);
            if (t.token == 1) bits.put(t.extra, 4);
            if (t.token == 2) bits.put(t.extra, 9);
        }
    }
    putAuxCode(bits, distances, 4, false);

    for (const Token& t : tokens) {
        putSymbol(bits, symbols, t.code);
        if (t.code >= 256) {
            const uint32_t c = distanceClass(t.distance);
            putSymbol(bits, distances, c);
            if (c > 1) bits.put(t.distance - (1u << (c - 1)), c - 1);
        }
    }
}

class MatchFinder {
public:
    MatchFinder(const uint8_t* data, size_t size)
        : data_(data), size_(size), head_(size_t{1} << kHashBits, kNone), prev_(kWindowMask + 1, kNone) {}

    void insert(size_t pos) {
        if (pos + kMinMatch > size_) return;
        const uint32_t h = hash(pos);
        prev_[pos & kWindowMask] = head_[h];
        head_[h] = pos;
    }

    // Longest match at `pos` longer than `atLeast`; length 0 when none.
    void find(size_t pos, uint32_t atLeast, uint32_t& length, uint32_t& distance) const {
        length = 0;
        distance = 0;
        if (pos + kMinMatch > size_) return;
        const uint32_t limit = static_cast<uint32_t>(std::min<size_t>(kMaxMatch, size_ - pos));
        uint32_t best = std::max(atLeast, kMinMatch - 1);
        if (best >= limit) return;
        const uint8_t* here = data_ + pos;
        size_t cand = head_[hash(pos)];
        for (uint32_t chain = kMaxChain; chain != 0 && cand != kNone && cand < pos && pos - cand <= kMaxDistance;
             --chain) {
            const uint8_t* there = data_ + cand;
            if (there[best] == here[best] && there[0] == here[0] && there[1] == here[1]) {
                uint32_t len = 2;
                while (len < limit && there[len] == here[len]) ++len;
                if (len > best) {
                    best = len;
                    length = len;
                    distance = static_cast<uint32_t>(pos - cand - 1);
                    if (len >= kNiceLength || len >= limit) break;
                }
            }
            cand = prev_[cand & kWindowMask];
        }
    }

private:
    uint32_t hash(size_t pos) const {
        const uint32_t v = (static_cast<uint32_t>(data_[pos]) << 16) | (static_cast<uint32_t>(data_[pos + 1]) << 8) |
                           data_[pos + 2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const uint8_t* data_;
    size_t size_;
    std::vector<size_t> head_;
    std::vector<size_t> prev_;
};

}  // namespace

std::vector<uint8_t> encodeStream(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    if (data == nullptr || size == 0) return out;
    BitWriter bits(out);
    MatchFinder finder(data, size);
    std::vector<Token> block;
    block.reserve(kMaxBlockSymbols);
    auto emit = [&](Token t) {
        block.push_back(t);
        if (block.size() == kMaxBlockSymbols) {
            writeBlock(bits, block);
            block.clear();
        }
    };
    auto literal = [&](size_t pos) { emit({data[pos], 0}); };
    auto match = [&](uint32_t len, uint32_t dist) {
        emit({static_cast<uint16_t>(len + 253), static_cast<uint16_t>(dist)});
    };

    // Lazy matching: a match found at one position is taken only when the
    // next position does not offer a longer one.
    size_t pos = 0;
    bool pending = false;
    uint32_t pendingLen = 0;
    uint32_t pendingDist = 0;
    while (pos < size) {
        uint32_t len = 0;
        uint32_t dist = 0;
        finder.find(pos, pending ? pendingLen : 0, len, dist);
        finder.insert(pos);
        if (pending && pendingLen >= kMinMatch && len <= pendingLen) {
            match(pendingLen, pendingDist);
            const size_t end = pos - 1 + pendingLen;
            for (size_t p = pos + 1; p < end; ++p) finder.insert(p);
            pos = end;
            pending = false;
            pendingLen = 0;
            continue;
        }
        if (pending) literal(pos - 1);
        pending = true;
        pendingLen = len;
        pendingDist = dist;
        ++pos;
    }
    if (pending) literal(size - 1);
    if (!block.empty()) writeBlock(bits, block);
    bits.flush();
    return out;
}

}  // namespace lh5
