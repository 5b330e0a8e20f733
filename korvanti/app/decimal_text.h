// Reading and writing the decimal texts in which scores are kept.
#pragma once
#include <cstdint>

namespace korvanti {

// Skips leading white space, takes an optional sign, then digits up to the
// first non-digit; no digits give 0. Accumulates in 32 bits and wraps.
int32_t ReadDecimal(const char* text);

// Writes `value` as an unsigned decimal right-aligned in ten columns ("%10u")
// into `out`, which holds at least 11 characters.
void FormatScore(char* out, uint32_t value);

}  // namespace korvanti
