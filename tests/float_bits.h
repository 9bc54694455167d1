#pragma once

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

} // namespace tremalo::test
