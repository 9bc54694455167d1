#include "numtext/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tremalo {

namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(a) == lower(b);
           });
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Decimal exponent of the leading digit of an unsigned mantissa with `exponent` applied;
// only its sign matters, to tell an overflow from an underflow.
long long leadingExponent(std::string_view mantissa, long long exponent) {
    const auto point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const auto firstNonZero = integer.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return static_cast<long long>(integer.size() - firstNonZero) - 1 + exponent;
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const auto fractionNonZero = fraction.find_first_not_of('0');
    if (fractionNonZero == std::string_view::npos)
        return std::numeric_limits<long long>::min(); // all zeros: never out of range
    return -static_cast<long long>(fractionNonZero) - 1 + exponent;
}

} // namespace

float parseNumber(std::string_view text) {
    if (equalsIgnoringCase(text, "+Infinity"))
        return std::numeric_limits<float>::infinity();
    if (equalsIgnoringCase(text, "-Infinity"))
        return -std::numeric_limits<float>::infinity();
    if (equalsIgnoringCase(text, "NaN"))
        return std::numeric_limits<float>::quiet_NaN();

    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaBegin = i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0f;
    const std::size_t mantissaEnd = i;

    // The exponent counts only if at least one digit follows "e" and its sign.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), 1'000'000'000'000LL);
            if (exponentNegative)
                exponent = -exponent;
            i = j;
        }
    }

    // Straight from decimal text to the nearest float: going through double would round
    // twice and change last bits.
    const std::string_view number = text.substr(mantissaBegin, i - mantissaBegin);
    float magnitude = 0.0f;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        const auto mantissa = text.substr(mantissaBegin, mantissaEnd - mantissaBegin);
        magnitude = leadingExponent(mantissa, exponent) >= 0
                        ? std::numeric_limits<float>::infinity()
                        : 0.0f;
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        return 0.0f; // cannot happen for text of the form scanned above
    }
    return negative ? -magnitude : magnitude;
}

std::string formatNumber(float value, int decimals) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "+Infinity" : "-Infinity";

    const bool defaultForm = decimals == DefaultDecimals;
    const int count = defaultForm ? 10 : std::clamp(decimals, 0, 512);
    if (value == 0.0f)
        value = 0.0f; // a negative zero never shows a minus sign

    // Longest text: "-", 39 integer digits, ".", 512 decimals = 553 characters.
    std::array<char, 600> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<double>(value), std::chars_format::fixed, count);
    std::string text(buffer.data(), result.ptr);

    if (defaultForm && text.back() == '0') {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

} // namespace tremalo
