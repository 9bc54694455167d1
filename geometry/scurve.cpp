#include "geometry/scurve.h"

#include <cmath>

namespace tremalo {

namespace {

// The solver works in double but rounds to single at fixed steps; those roundings are
// part of the result (they decide last bits and sometimes the second decimal shown).
float single(double value) {
    return static_cast<float>(value);
}

constexpr double DegreesToRadians = 0.017453292519943295;

} // namespace

int solveSCurve(SCurve& curve, SolveMode mode) {
    const float angleRad = single(double{curve.angle} * DegreesToRadians);
    const double cosA = std::cos(double{angleRad});
    const double sinA = std::sin(double{angleRad});
    const double radius1 = curve.radius1;
    const float shift1 = single(radius1 - cosA * radius1);
    curve.span1 = single(sinA * radius1);

    if (mode == SolveStraight) {
        const float shift2 = single(double{curve.radius2} * (1.0 - cosA));
        curve.span2 = single(sinA * double{curve.radius2});
        const float shiftStraight =
            single(double{curve.offset} - (double{shift1} + double{shift2}));
        curve.straight = single(double{shiftStraight} / sinA);
        const float spanStraight = single(cosA * double{curve.straight});
        curve.length = single((double{curve.span1} + double{spanStraight}) + double{curve.span2});
        return curve.straight > 0.0f ? 1 : 0;
    }
    if (mode == SolveRadius2) {
        const float shiftStraight = single(sinA * double{curve.straight});
        const float spanStraight = single(cosA * double{curve.straight});
        const float shift2 =
            single(double{curve.offset} - (double{shift1} + double{shiftStraight}));
        curve.radius2 = single(double{shift2} / (1.0 - cosA));
        curve.span2 = single(sinA * double{curve.radius2});
        curve.length = single((double{curve.span1} + double{spanStraight}) + double{curve.span2});
        return curve.radius2 > 0.0f ? 1 : 0;
    }
    return 0;
}

} // namespace tremalo
