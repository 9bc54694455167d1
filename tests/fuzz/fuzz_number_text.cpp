// parseNumber on arbitrary bytes, and the promises of the number text on what it reads.
#include "numtext/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const float value = tremalo::parseNumber(text);

    // The default form reads back as the same float for every finite magnitude >= 0.01,
    // and infinities and NaN keep their kind.
    const float back = tremalo::parseNumber(tremalo::formatNumber(value));
    if (std::isnan(value)) {
        if (!std::isnan(back))
            std::abort();
    } else if (!std::isfinite(value) || std::fabs(value) >= 0.01f) {
        if (std::bit_cast<std::uint32_t>(back) != std::bit_cast<std::uint32_t>(value))
            std::abort();
    }
    // Any count of decimals gives a text no longer than the longest possible one.
    const int decimals = size > 0 ? static_cast<int>(static_cast<std::int8_t>(data[0])) * 8 : 2;
    if (tremalo::formatNumber(value, decimals).size() > 553)
        std::abort();
    return 0;
}
