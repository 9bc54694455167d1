#include "calc/calculation.h"
#include "numtext/numtext.h"
#include "tests/fake_fields.h"
#include "tests/float_bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tremalo {
namespace {

using test::bitsOf;
using test::FakeFields;
using Calls = std::vector<std::string>;

const std::string InvalidMessage = "message Fehler: Einer der Eingabewerte ist ungültig!";
const std::string NoSCurve = "message Fehler: Die S-Kurve kann nicht berechnet werden!";
const Calls Reads = {"get offset", "get angle", "get radius1", "get straight", "get radius2"};

FakeFields defaultTexts() {
    return {"50.00", "7.50", "1962.00", "57.50", "3005.16", "705.35"};
}

Calls readsThen(Calls rest) {
    Calls all = Reads;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}

TEST(RunCalculation, DefaultTextsSucceedWithEitherButtonAndShowTheSameTexts) {
    for (SolveMode mode : {SolveStraight, SolveRadius2}) {
        SCurve curve = defaultSCurve();
        FakeFields fields = defaultTexts();
        const auto before = fields.texts;
        runCalculation(curve, fields, mode);
        // Read order, then write order; the length field is never read.
        EXPECT_EQ(fields.calls,
                  readsThen({"set offset 50.00", "set angle 7.50", "set straight 57.50",
                             "set radius1 1962.00", "set radius2 3005.16", "set length 705.35"}));
        EXPECT_EQ(fields.texts, before);
    }
}

TEST(RunCalculation, InvalidInputStoresWhatPassedAndRewritesNothing) {
    SCurve curve = defaultSCurve();
    curve.span1 = 1.0f;
    curve.span2 = 2.0f;
    FakeFields fields{"", "12,5", "-1000", "", "2000", "untouched"};
    runCalculation(curve, fields, SolveStraight);

    EXPECT_EQ(fields.calls, readsThen({InvalidMessage}));
    EXPECT_EQ(curve.offset, 50.0f); // failed: keeps its former value
    EXPECT_EQ(curve.angle, 12.5f);
    EXPECT_EQ(curve.radius1, 1000.0f);
    EXPECT_EQ(bitsOf(curve.straight), bitsOf(0.0f));
    EXPECT_EQ(curve.radius2, 2000.0f);
    EXPECT_EQ(bitsOf(curve.length), bitsOf(defaultSCurve().length));
    EXPECT_EQ(curve.span1, 1.0f);
    EXPECT_EQ(curve.span2, 2.0f);
}

TEST(RunCalculation, InfeasibleSCurveKeepsTheFieldsButTheRecordHoldsTheFailedSolve) {
    SCurve curve = defaultSCurve();
    FakeFields fields{"50", "7.5", "1962", "300", "1", "x"};
    runCalculation(curve, fields, SolveRadius2);

    EXPECT_EQ(fields.calls, readsThen({NoSCurve}));
    EXPECT_EQ(fields.text(Field::Straight), "300");
    EXPECT_EQ(fields.text(Field::Length), "x");
    EXPECT_EQ(curve.straight, 300.0f);
    EXPECT_EQ(bitsOf(curve.radius2), 0xC42DAB36u);
    EXPECT_EQ(bitsOf(curve.length), 0x43E76D21u);
}

TEST(RunCalculation, EachInvalidCheckedFieldGivesTheInvalidMessage) {
    const Field checked[] = {Field::Offset, Field::Angle, Field::Radius1, Field::Radius2};
    for (Field field : checked) {
        for (const char* text : {"", "abc", "0", "0.00", "-0", "NaN", "nan", " NaN", ",", "-"}) {
            SCOPED_TRACE(std::string(test::fieldName(field)) + " = \"" + text + "\"");
            SCurve curve = defaultSCurve();
            FakeFields fields = defaultTexts();
            fields.text(field) = text;
            runCalculation(curve, fields, SolveRadius2);
            EXPECT_EQ(fields.calls, readsThen({InvalidMessage}));
        }
    }
}

TEST(RunCalculation, AnInvalidOffsetStillStoresTheOtherInputs) {
    SCurve curve = defaultSCurve();
    FakeFields fields{"abc", "10", "1500", "20", "2500"};
    runCalculation(curve, fields, SolveRadius2);
    EXPECT_EQ(curve.offset, 50.0f);
    EXPECT_EQ(curve.angle, 10.0f);
    EXPECT_EQ(curve.radius1, 1500.0f);
    EXPECT_EQ(curve.straight, 20.0f);
    EXPECT_EQ(curve.radius2, 2500.0f);
}

TEST(RunCalculation, SignsAreDroppedAndTheFieldsShowTheAcceptedValue) {
    SCurve curve = defaultSCurve();
    FakeFields fields{"-50", "7,5", "-1962", "-57.5", "3005.16"};
    runCalculation(curve, fields, SolveRadius2);
    EXPECT_EQ(fields.texts, (std::array<std::string, 6>{"50.00", "7.50", "1962.00", "57.50",
                                                        "3005.16", "705.35"}));
}

TEST(RunCalculation, NegativeOffsetIsStoredPositiveEvenWhenAnotherFieldFails) {
    SCurve curve = defaultSCurve();
    curve.offset = 1.0f;
    FakeFields fields{"-50", "abc", "1962", "57.5", "3005.16"};
    runCalculation(curve, fields, SolveRadius2);
    EXPECT_EQ(curve.offset, 50.0f);
    EXPECT_EQ(fields.text(Field::Offset), "-50");
}

TEST(RunCalculation, EmptyOrLettersOnlyStraightReadsAsZero) {
    for (const char* straight : {"", "abc"}) {
        SCurve curve = defaultSCurve();
        FakeFields fields{"50", "7.5", "1962", straight, "3005.16"};
        runCalculation(curve, fields, SolveRadius2);
        EXPECT_EQ(fields.text(Field::Straight), "0.00") << straight;
        SCurve expected = defaultSCurve();
        expected.straight = 0.0f;
        solveSCurve(expected, SolveRadius2);
        EXPECT_EQ(bitsOf(curve.radius2), bitsOf(expected.radius2));
        EXPECT_EQ(fields.text(Field::Radius2), formatNumber(expected.radius2, 2));
    }
}

TEST(RunCalculation, InfinityPassesTheCheckAndTheSolverDecides) {
    SCurve curve = defaultSCurve();
    FakeFields fields{"+Infinity", "7.5", "1962", "57.5", "3005.16"};
    runCalculation(curve, fields, SolveRadius2);
    EXPECT_EQ(fields.text(Field::Offset), "+Infinity");
    EXPECT_EQ(fields.text(Field::Radius2), "+Infinity");
    EXPECT_EQ(fields.text(Field::Length), "+Infinity");

    // As the angle, infinity passes the check but no S-curve fits.
    SCurve other = defaultSCurve();
    FakeFields angle{"50", "-Infinity", "1962", "57.5", "3005.16"};
    runCalculation(other, angle, SolveStraight);
    EXPECT_EQ(angle.calls, readsThen({NoSCurve}));
    EXPECT_TRUE(std::isinf(other.angle) && other.angle > 0);
}

TEST(ReadFieldNumber, ReadsWhatUsersType) {
    struct Row {
        const char* text;
        float expected;
    } rows[] = {
        {"12,5", 12.5f},
        {"1.962,5", 1.962f},
        {"7.5abc", 7.5f},
        {"   7.5", 7.5f},
        {"-50", 50.0f},
        {"1e3", 1000.0f},
        {"-Infinity", INFINITY},
        {"12.345", 12.345f},
        {"1,2,3", 1.2f},
        {"", 0.0f},
        {"-0", 0.0f},
    };
    for (const Row& row : rows) {
        FakeFields fields;
        fields.text(Field::Offset) = row.text;
        const float value = readFieldNumber(fields, Field::Offset);
        EXPECT_EQ(bitsOf(value), bitsOf(row.expected)) << row.text;
    }
    FakeFields nan;
    nan.text(Field::Angle) = "NaN";
    EXPECT_TRUE(std::isnan(readFieldNumber(nan, Field::Angle)));
}

TEST(RunCalculation, ValueWithMoreDecimalsCountsAsTypedOnlyTheFirstTime) {
    SCurve curve = defaultSCurve();
    FakeFields fields{"50", "12.345", "500", "57.5", "3005.16"};
    runCalculation(curve, fields, SolveRadius2);
    ASSERT_EQ(fields.text(Field::Angle), "12.35");
    const std::string firstRadius2 = fields.text(Field::Radius2);
    const float firstAngle = curve.angle;

    runCalculation(curve, fields, SolveRadius2);
    EXPECT_EQ(bitsOf(firstAngle), bitsOf(12.345f));
    EXPECT_EQ(bitsOf(curve.angle), bitsOf(12.35f));
    EXPECT_NE(fields.text(Field::Radius2), firstRadius2);
}

TEST(ShowValues, WritesTheSixFieldsInItsOrderWithTwoDecimals) {
    FakeFields fields;
    showValues(defaultSCurve(), fields);
    EXPECT_EQ(fields.calls,
              (Calls{"set offset 50.00", "set angle 7.50", "set straight 57.50",
                     "set radius1 1962.00", "set radius2 3005.16", "set length 705.35"}));
}

} // namespace
} // namespace tremalo
