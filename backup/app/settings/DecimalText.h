// Integers read from settings, answers and index files the way the C runtime's decimal
// conversion reads them, so absent or odd attributes give the same values everywhere.
#pragma once

#include <cstdint>
#include <string_view>

namespace nook {

// Leading white space, an optional sign, then digits up to the first non-digit; no
// digits read as 0. A value beyond 32 bits saturates, as the runtime's conversion does.
int32_t DecimalValue(std::string_view text);

// For 16-bit fields: the low 16 bits of the 32-bit value.
int16_t DecimalValue16(std::string_view text);

} // namespace nook
