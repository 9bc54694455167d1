#include "geometry/scurve.h"
#include "numtext/numtext.h"

#include <iostream>

int main() {
    tremalo::SCurve curve = tremalo::defaultSCurve();
    tremalo::solveSCurve(curve, tremalo::SolveRadius2);
    for (float v :
         {curve.offset, curve.angle, curve.radius1, curve.straight, curve.radius2, curve.length})
        std::cout << tremalo::formatNumber(v) << '\n';
}
