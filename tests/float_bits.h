#pragma once

#include "geometry/scurve.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tremalo::test {

inline std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}
inline float fromBits(std::uint32_t bits) {
    return std::bit_cast<float>(bits);
}

// Shown in failure messages so a mismatch names the pattern, not a rounded decimal.
inline std::string hexBits(float value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(bitsOf(value)));
    return text;
}

// The eight fields of a record in their order, to compare records field by field.
inline std::array<float, 8> fieldsOf(const SCurve& c) {
    return {c.offset, c.angle, c.radius1, c.straight, c.radius2, c.length, c.span1, c.span2};
}

} // namespace tremalo::test
