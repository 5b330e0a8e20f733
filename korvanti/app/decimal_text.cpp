#include "decimal_text.h"

#include <cstdio>

namespace korvanti {

int32_t ReadDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<uint32_t>(*p - '0');
        ++p;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}

void FormatScore(char* out, uint32_t value) {
    std::snprintf(out, 11, "%10u", static_cast<unsigned>(value));
}

}  // namespace korvanti
