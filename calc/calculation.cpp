#include "calc/calculation.h"

#include "numtext/numtext.h"

#include <algorithm>
#include <cmath>

namespace tremalo {

float readFieldNumber(const FieldAccess& fields, Field field) {
    std::string text = fields.fieldText(field);
    std::replace(text.begin(), text.end(), ',', '.');
    return std::fabs(parseNumber(text));
}

bool readInputs(SCurve& curve, const FieldAccess& fields) {
    bool valid = true;
    // Every field is read and every value that passes is kept, even after a failure.
    const auto readChecked = [&](Field field, float& target) {
        const float value = readFieldNumber(fields, field);
        if (value > 0.0f)
            target = value;
        else
            valid = false; // 0 or NaN
    };
    readChecked(Field::Offset, curve.offset);
    readChecked(Field::Angle, curve.angle);
    readChecked(Field::Radius1, curve.radius1);
    curve.straight = readFieldNumber(fields, Field::Straight);
    readChecked(Field::Radius2, curve.radius2);
    return valid;
}

void showValues(const SCurve& curve, FieldAccess& fields) {
    fields.setFieldText(Field::Offset, formatNumber(curve.offset, 2));
    fields.setFieldText(Field::Angle, formatNumber(curve.angle, 2));
    fields.setFieldText(Field::Straight, formatNumber(curve.straight, 2));
    fields.setFieldText(Field::Radius1, formatNumber(curve.radius1, 2));
    fields.setFieldText(Field::Radius2, formatNumber(curve.radius2, 2));
    fields.setFieldText(Field::Length, formatNumber(curve.length, 2));
}

void runCalculation(SCurve& curve, FieldAccess& fields, SolveMode mode) {
    if (!readInputs(curve, fields)) {
        fields.showMessage(std::string(ErrorTitle), std::string(InvalidInputMessage));
        return;
    }
    if (solveSCurve(curve, mode) == 1)
        showValues(curve, fields);
    else
        fields.showMessage(std::string(ErrorTitle), std::string(NoSCurveMessage));
}

} // namespace tremalo
