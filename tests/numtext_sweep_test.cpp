#include "numtext/numtext.h"
#include "tests/float_bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

namespace tremalo {
namespace {

using test::bitsOf;
using test::fromBits;

// Reads the default form of every pattern in [first, last) that `step` visits back and
// counts the finite values of magnitude 0.01 or more that do not come back identical.
std::uint64_t countRoundTripFailures(std::uint64_t first, std::uint64_t last, std::uint64_t step) {
    std::uint64_t failures = 0;
    for (std::uint64_t pattern = first; pattern < last; pattern += step) {
        const float value = fromBits(static_cast<std::uint32_t>(pattern));
        if (!std::isfinite(value) || std::fabs(value) < 0.01f)
            continue;
        const float back = parseNumber(formatNumber(value));
        if (bitsOf(back) != bitsOf(value)) {
            if (++failures <= 5)
                ADD_FAILURE() << "pattern " << test::hexBits(value) << " wrote "
                              << formatNumber(value) << " and read back " << test::hexBits(back);
        }
    }
    return failures;
}

TEST(NumberTextSweep, DefaultFormReadsBackIdenticallyOverTenMillionPatterns) {
    // An odd stride below 2^32 / 10^7 visits every exponent and varied mantissa bits.
    constexpr std::uint64_t Step = 409;
    const std::uint64_t visited = (std::uint64_t{1} << 32) / Step;
    ASSERT_GE(visited, 10'000'000u);
    EXPECT_EQ(countRoundTripFailures(0, std::uint64_t{1} << 32, Step), 0u);
}

// All 2^32 patterns; minutes of work, so only when asked for.
TEST(NumberTextSweep, DefaultFormReadsBackIdenticallyForEveryPattern) {
    if (!std::getenv("TREMALO_EXHAUSTIVE"))
        GTEST_SKIP() << "set TREMALO_EXHAUSTIVE=1 to check all 2^32 patterns";
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::uint64_t> failures(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back(
            [&, t] { failures[t] = countRoundTripFailures(t, std::uint64_t{1} << 32, threads); });
    for (auto& worker : workers)
        worker.join();
    for (auto f : failures)
        EXPECT_EQ(f, 0u);
}

} // namespace
} // namespace tremalo
