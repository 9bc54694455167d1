#pragma once

#include <string>
#include <string_view>

namespace tremalo {

// Selects the compact form of the settings file: ten decimals, trailing zeros dropped.
inline constexpr int DefaultDecimals = -1;

// The number at the start of `text` ("." as decimal point whatever the locale), or one
// of the words +Infinity, -Infinity, NaN (whole text, any letter case). Never fails:
// text without a number gives 0. Out-of-range values give an infinity or a zero of
// their sign.
float parseNumber(std::string_view text);

// `value` in fixed-point notation with `decimals` decimals (bounded to 0...512), or in
// the default form for DefaultDecimals. Infinities and NaN are written as words.
std::string formatNumber(float value, int decimals = DefaultDecimals);

} // namespace tremalo
