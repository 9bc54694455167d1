#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace tremalo {

// One S-curve: two arcs of equal angle and opposite hand joined by a straight.
// Lengths share one unit that the program never names; the angle is in degrees.
struct SCurve {
    float offset = 0;
    float angle = 0;
    float radius1 = 0;
    float straight = 0;
    float radius2 = 0;
    float length = 0;
    // Extents of the two arcs along the track direction; only solveSCurve uses them.
    float span1 = 0;
    float span2 = 0;
};

static_assert(sizeof(SCurve) == 8 * sizeof(float));
static_assert(offsetof(SCurve, offset) == 0 && offsetof(SCurve, angle) == 4 &&
              offsetof(SCurve, radius1) == 8 && offsetof(SCurve, straight) == 12 &&
              offsetof(SCurve, radius2) == 16 && offsetof(SCurve, length) == 20 &&
              offsetof(SCurve, span1) == 24 && offsetof(SCurve, span2) == 28);

// Plain (unscoped) so that a mode read from elsewhere may carry any byte value.
enum SolveMode : std::uint8_t {
    SolveStraight = 0, // straight from radius 2
    SolveRadius2 = 1,  // radius 2 from the straight
};

// The values a fresh run starts with. radius2 and length are the floats nearest to
// 3005.16 and 705.35; they are given by bit pattern so no compiler rounding can differ.
inline SCurve defaultSCurve() {
    SCurve c;
    c.offset = 50.0f;
    c.angle = 7.5f;
    c.radius1 = 1962.0f;
    c.straight = 57.5f;
    c.radius2 = std::bit_cast<float>(std::uint32_t{0x453BD28F});
    c.length = std::bit_cast<float>(std::uint32_t{0x44305666});
    return c;
}

// Solves `curve` in place for the quantity that `mode` names, then the total length.
// Returns 1 when the solved quantity is strictly positive, else 0. The written fields
// stay written whatever the result.
int solveSCurve(SCurve& curve, SolveMode mode);

} // namespace tremalo
