#include "geometry/scurve.h"
#include "tests/float_bits.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace tremalo {
namespace {

using test::bitsOf;
using test::fieldsOf;
using test::fromBits;
using test::hexBits;

constexpr float Inf = std::numeric_limits<float>::infinity();
const float NaN = std::numeric_limits<float>::quiet_NaN();

// A record whose derived fields hold values no solve produces, so a test can tell a
// field the solver wrote from one it left alone.
SCurve startRecord() {
    SCurve c = defaultSCurve();
    c.span1 = fromBits(0x12345678);
    c.span2 = fromBits(0x23456789);
    return c;
}

constexpr std::array<const char*, 8> FieldNames = {"offset",  "angle",  "radius1", "straight",
                                                   "radius2", "length", "span1",   "span2"};

enum Field { Offset, Angle, Radius1, Straight, Radius2, Length, Span1, Span2 };

// What a field must hold after a solve: an exact bit pattern, a NaN, or its old bits.
struct Expect {
    enum Kind { Bits, IsNaN, Unchanged } kind = Unchanged;
    std::uint32_t bits = 0;
};
Expect bits(std::uint32_t b) {
    return {Expect::Bits, b};
}
Expect bitsOfValue(float v) {
    return {Expect::Bits, bitsOf(v)};
}
const Expect isNaN{Expect::IsNaN};

void expectFields(const SCurve& before, const SCurve& after,
                  const std::array<std::optional<Expect>, 8>& expected) {
    const auto old = fieldsOf(before);
    const auto now = fieldsOf(after);
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(FieldNames[i]);
        const Expect e = expected[i].value_or(Expect{});
        switch (e.kind) {
        case Expect::Bits:
            EXPECT_EQ(bitsOf(now[i]), e.bits) << hexBits(now[i]) << " = " << now[i];
            break;
        case Expect::IsNaN:
            EXPECT_TRUE(std::isnan(now[i])) << now[i];
            break;
        case Expect::Unchanged:
            EXPECT_EQ(bitsOf(now[i]), bitsOf(old[i])) << "field was touched: " << now[i];
            break;
        }
    }
}

TEST(SCurveRecord, StartUpValuesHaveTheirBitPatterns) {
    const SCurve c = defaultSCurve();
    EXPECT_EQ(bitsOf(c.offset), bitsOf(50.0f));
    EXPECT_EQ(bitsOf(c.angle), bitsOf(7.5f));
    EXPECT_EQ(bitsOf(c.radius1), bitsOf(1962.0f));
    EXPECT_EQ(bitsOf(c.straight), bitsOf(57.5f));
    EXPECT_EQ(bitsOf(c.radius2), 0x453BD28Fu);
    EXPECT_EQ(bitsOf(c.length), 0x44305666u);
    EXPECT_EQ(bitsOf(c.span1), 0u);
    EXPECT_EQ(bitsOf(c.span2), 0u);
    EXPECT_EQ(bitsOf(SCurve{}.offset), 0u);
}

TEST(SolveSCurve, StartUpValuesForRadius2GiveTheWorkedExampleBitForBit) {
    SCurve c = startRecord();
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, SolveRadius2), 1);
    expectFields(before, c,
                 {std::nullopt, std::nullopt, std::nullopt, std::nullopt, bits(0x453BD28F),
                  bits(0x44305691), bits(0x43800BD4), bits(0x43C42045)});
}

TEST(SolveSCurve, StartUpValuesForStraightGiveTheWorkedExampleBitForBit) {
    SCurve c = startRecord();
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, SolveStraight), 1);
    expectFields(before, c,
                 {std::nullopt, std::nullopt, std::nullopt, bits(0x42660001), std::nullopt,
                  bits(0x44305691), bits(0x43800BD4), bits(0x43C42045)});
}

TEST(SolveSCurve, SolvedFieldsDependOnlyOnTheReadFields) {
    // Leftovers of an earlier solve in span1, span2 and the solved quantity change nothing.
    for (SolveMode mode : {SolveStraight, SolveRadius2}) {
        SCurve clean = defaultSCurve();
        SCurve dirty = defaultSCurve();
        dirty.span1 = NaN;
        dirty.span2 = -Inf;
        dirty.length = 1e30f;
        (mode == SolveStraight ? dirty.straight : dirty.radius2) = NaN;
        EXPECT_EQ(solveSCurve(clean, mode), solveSCurve(dirty, mode));
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(bitsOf(fieldsOf(clean)[i]), bitsOf(fieldsOf(dirty)[i])) << FieldNames[i];
    }
}

TEST(SolveSCurve, OffsetTooSmallGivesAStraightOfExactlyZeroAndFailsYetWritesIt) {
    SCurve c = startRecord();
    c.offset = fromBits(0x4229FA9E); // 42.494743
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, SolveStraight), 0);
    EXPECT_EQ(c.straight, 0.0f);
    expectFields(before, c,
                 {std::nullopt, std::nullopt, std::nullopt, bitsOfValue(c.straight), std::nullopt,
                  bits(0x4422160C), bits(0x43800BD4), bits(0x43C42045)});
}

TEST(SolveSCurve, NegativeStraightIsSolvedLikeAnyOther) {
    SCurve c = startRecord();
    c.straight = -10.0f;
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, SolveRadius2), 1);
    expectFields(before, c,
                 {std::nullopt, std::nullopt, std::nullopt, std::nullopt, bits(0x457C302D),
                  bits(0x44413691), bits(0x43800BD4), Expect{Expect::Bits, bitsOf(c.span2)}});
}

TEST(SolveSCurve, StraightTooLongFailsAndLeavesTheNegativeRadiusWritten) {
    SCurve c = startRecord();
    c.straight = 300.0f;
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, SolveRadius2), 0);
    expectFields(before, c,
                 {std::nullopt, std::nullopt, std::nullopt, std::nullopt, bits(0xC42DAB36),
                  bits(0x43E76D21), bits(0x43800BD4), bitsOfValue(c.span2)});
    EXPECT_NE(bitsOf(c.span2), bitsOf(before.span2));
}

TEST(SolveSCurve, UnknownModeWritesSpan1OnlyAndFails) {
    for (int raw : {2, 7, 255}) {
        SCurve c = startRecord();
        const SCurve before = c;
        EXPECT_EQ(solveSCurve(c, static_cast<SolveMode>(raw)), 0) << raw;
        expectFields(before, c,
                     {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                      std::nullopt, bits(0x43800BD4), std::nullopt});
    }
}

// One row: an angle or a single changed read field, a mode, and what the solve must leave.
struct SolveRow {
    const char* name;
    Field changed;
    float value;
    SolveMode mode;
    int result;
    std::optional<Expect> solved; // straight or radius2, whichever the mode solves
    std::optional<Expect> length;
};

void PrintTo(const SolveRow& row, std::ostream* out) {
    *out << row.name;
}

class SolveSCurveRows : public testing::TestWithParam<SolveRow> {};

TEST_P(SolveSCurveRows, GivesTheSolvedQuantityLengthAndResult) {
    const SolveRow& row = GetParam();
    SCurve c = startRecord();
    (&c.offset)[row.changed] = row.value;
    const SCurve before = c;
    EXPECT_EQ(solveSCurve(c, row.mode), row.result);

    std::array<std::optional<Expect>, 8> expected{};
    // Fields the solve writes but the row does not pin down: accept whatever was written.
    expected[Span1] = bitsOfValue(c.span1);
    expected[Span2] = bitsOfValue(c.span2);
    expected[Length] = row.length ? row.length : bitsOfValue(c.length);
    const Field solved = row.mode == SolveStraight ? Straight : Radius2;
    const float solvedNow = row.mode == SolveStraight ? c.straight : c.radius2;
    expected[solved] = row.solved ? row.solved : bitsOfValue(solvedNow);
    expectFields(before, c, expected);
}

const SolveRow Rows[] = {
    {"Angle90Straight", Angle, 90.0f, SolveStraight, 0, bits(0xC599A948), {}},
    {"Angle90Radius2", Angle, 90.0f, SolveRadius2, 0, bits(0xC4F63000), {}},
    {"Angle180Straight", Angle, 180.0f, SolveStraight, 1, bits(0x51D298DA), bits(0xD1D298DA)},
    {"Angle180Radius2", Angle, 180.0f, SolveRadius2, 0, bits(0xC4F22000), {}},
    {"Angle360Straight", Angle, 360.0f, SolveStraight, 1, bits(0x4D885C0A), bits(0x4D885C0A)},
    {"Angle0Straight", Angle, 0.0f, SolveStraight, 1, bitsOfValue(Inf), bitsOfValue(Inf)},
    {"Angle0Radius2", Angle, 0.0f, SolveRadius2, 1, bitsOfValue(Inf), isNaN},
    {"NaNOffsetStraight", Offset, NaN, SolveStraight, 0, isNaN, isNaN},
    {"NaNOffsetRadius2", Offset, NaN, SolveRadius2, 0, isNaN, isNaN},
    {"NaNAngleStraight", Angle, NaN, SolveStraight, 0, isNaN, isNaN},
    {"NaNAngleRadius2", Angle, NaN, SolveRadius2, 0, isNaN, isNaN},
    {"NaNRadius1Straight", Radius1, NaN, SolveStraight, 0, isNaN, isNaN},
    {"NaNRadius1Radius2", Radius1, NaN, SolveRadius2, 0, isNaN, isNaN},
    {"NaNRadius2Straight", Radius2, NaN, SolveStraight, 0, isNaN, isNaN},
    {"NaNStraightRadius2", Straight, NaN, SolveRadius2, 0, isNaN, isNaN},
    {"InfOffsetStraight", Offset, Inf, SolveStraight, 1, bitsOfValue(Inf), bitsOfValue(Inf)},
    {"InfOffsetRadius2", Offset, Inf, SolveRadius2, 1, bitsOfValue(Inf), bitsOfValue(Inf)},
    {"InfAngleStraight", Angle, Inf, SolveStraight, 0, isNaN, isNaN},
    {"InfAngleRadius2", Angle, Inf, SolveRadius2, 0, isNaN, isNaN},
    {"InfRadius1Straight", Radius1, Inf, SolveStraight, 0, isNaN, isNaN},
    {"InfRadius1Radius2", Radius1, Inf, SolveRadius2, 0, isNaN, isNaN},
    {"InfRadius2Straight", Radius2, Inf, SolveStraight, 0, bitsOfValue(-Inf), isNaN},
    {"InfStraightRadius2", Straight, Inf, SolveRadius2, 0, bitsOfValue(-Inf), isNaN},
};
INSTANTIATE_TEST_SUITE_P(EdgeCases, SolveSCurveRows, testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolveSCurve, Angle360ForRadius2GivesAHugeFeasibleRadius) {
    SCurve c = defaultSCurve();
    c.angle = 360.0f;
    EXPECT_EQ(solveSCurve(c, SolveRadius2), 1);
    EXPECT_GT(c.radius2, 1e15f);
}

TEST(SolveSCurve, Angle0ForRadius2MakesSpan2NaN) {
    SCurve c = defaultSCurve();
    c.angle = 0.0f;
    solveSCurve(c, SolveRadius2);
    EXPECT_TRUE(std::isnan(c.span2));
}

TEST(SolveSCurve, InfiniteAngleMakesEveryComputedValueNaN) {
    for (SolveMode mode : {SolveStraight, SolveRadius2}) {
        SCurve c = defaultSCurve();
        c.angle = Inf;
        EXPECT_EQ(solveSCurve(c, mode), 0);
        EXPECT_TRUE(std::isnan(c.span1));
        EXPECT_TRUE(std::isnan(c.span2));
    }
}

TEST(SolveSCurve, HugeAnglesStillComplete) {
    for (float angle : {6e20f, 3e38f, -3e38f}) {
        SCurve c = defaultSCurve();
        c.angle = angle;
        const int result = solveSCurve(c, SolveRadius2);
        EXPECT_TRUE(result == 0 || result == 1);
    }
}

} // namespace
} // namespace tremalo
