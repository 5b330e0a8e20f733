#include "lzh_archive.h"

namespace lzh {

namespace {

void put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(Bytes& out, uint32_t v) {
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

uint32_t get16(const Bytes& in, size_t at) { return in[at] | (static_cast<uint32_t>(in[at + 1]) << 8); }
uint32_t get32(const Bytes& in, size_t at) { return get16(in, at) | (get16(in, at + 2) << 16); }

}  // namespace

uint16_t crc16(const Bytes& data) {
    uint32_t crc = 0;
    for (uint8_t b : data) {
        crc ^= b;
        for (int i = 0; i < 8; ++i) crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
    }
    return static_cast<uint16_t>(crc);
}

Bytes writeLevel0(const std::vector<std::pair<std::string, Bytes>>& members, const std::vector<Bytes>& originals) {
    Bytes out;
    for (size_t m = 0; m < members.size(); ++m) {
        const std::string& name = members[m].first;
        const Bytes& packed = members[m].second;
        Bytes h;  // from the method onwards; size and checksum go in front
        h.insert(h.end(), {'-', 'l', 'h', '5', '-'});
        put32(h, static_cast<uint32_t>(packed.size()));
        put32(h, static_cast<uint32_t>(originals[m].size()));
        put32(h, 0x5A210000u);  // MS-DOS date and time: 1 January 2025, 00:00
        h.push_back(0x20);      // attribute: archive
        h.push_back(0);         // header level
        h.push_back(static_cast<uint8_t>(name.size()));
        h.insert(h.end(), name.begin(), name.end());
        put16(h, crc16(originals[m]));
        uint32_t sum = 0;
        for (uint8_t b : h) sum += b;
        out.push_back(static_cast<uint8_t>(h.size()));
        out.push_back(static_cast<uint8_t>(sum));
        out.insert(out.end(), h.begin(), h.end());
        out.insert(out.end(), packed.begin(), packed.end());
    }
    out.push_back(0);
    return out;
}

bool readArchive(const Bytes& a, std::vector<Member>& members, std::string& error) {
    size_t at = 0;
    while (at < a.size() && a[at] != 0) {
        if (a.size() - at < 24) {
            error = "header cut short at " + std::to_string(at);
            return false;
        }
        Member m;
        m.method.assign(a.begin() + at + 2, a.begin() + at + 7);
        const uint32_t level = a[at + 20];
        uint32_t packedSize = get32(a, at + 7);
        m.originalSize = get32(a, at + 11);
        size_t dataAt = 0;
        size_t extAt = 0;  // first extended header's size field, 0 if none
        if (level == 0 || level == 1) {
            const size_t headerEnd = at + 2 + a[at];
            const uint32_t nameLength = a[at + 21];
            if (headerEnd > a.size() || 22 + nameLength > 2 + static_cast<size_t>(a[at])) {
                error = "level 0/1 header damaged at " + std::to_string(at);
                return false;
            }
            m.name.assign(a.begin() + at + 22, a.begin() + at + 22 + nameLength);
            dataAt = headerEnd;
            if (level == 1) extAt = headerEnd - 2;
        } else if (level == 2) {
            dataAt = at + get16(a, at);
            extAt = at + 24;
        } else {
            error = "unknown header level " + std::to_string(level);
            return false;
        }
        // Extended headers: a 2-byte size (counting the type byte, the data and
        // the next size field), then the type byte and the data.
        size_t ext = extAt;
        while (ext != 0) {
            if (ext + 2 > a.size()) {
                error = "extended header cut short";
                return false;
            }
            const uint32_t size = get16(a, ext);
            if (size == 0) break;
            const size_t body = ext + 2;  // type byte, data, then the next size field
            if (body + size > a.size() || size < 3) {
                error = "extended header damaged";
                return false;
            }
            if (a[body] == 0x01) m.name.assign(a.begin() + body + 1, a.begin() + body + size - 2);
            if (level == 1) {
                packedSize -= size;
                dataAt += size;
            }
            ext = body + size - 2;
        }
        if (dataAt > a.size() || a.size() - dataAt < packedSize) {
            error = "member data past the end: " + m.name;
            return false;
        }
        m.packed.assign(a.begin() + dataAt, a.begin() + dataAt + packedSize);
        members.push_back(m);
        at = dataAt + packedSize;
    }
    return true;
}

}  // namespace lzh
