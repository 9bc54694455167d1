#pragma once

#include "geometry/scurve.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tremalo {

// The six text fields of the window, one per quantity of the record.
enum class Field : std::uint8_t { Offset, Angle, Radius1, Straight, Radius2, Length };

// All the calculation needs of a window: the fields' texts and a modal message. Texts are
// UTF-8. The window implements it with widgets; tests implement it with a recorder.
class FieldAccess {
public:
    virtual ~FieldAccess() = default;
    virtual std::string fieldText(Field field) const = 0;
    virtual void setFieldText(Field field, const std::string& text) = 0;
    // Returns once the user has dismissed the message.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
};

inline constexpr std::string_view ErrorTitle = "Fehler";
inline constexpr std::string_view InvalidInputMessage = "Einer der Eingabewerte ist ungültig!";
inline constexpr std::string_view NoSCurveMessage = "Die S-Kurve kann nicht berechnet werden!";

// The number in a field, commas read as decimal points, sign dropped (NaN stays NaN).
float readFieldNumber(const FieldAccess& fields, Field field);

// Reads the five input fields into `curve`, storing every value that passes its check
// (offset, angle and both radii must be greater than 0; the straight is always stored).
// True when all four checks passed.
bool readInputs(SCurve& curve, const FieldAccess& fields);

// Writes all six values into their fields with two decimals.
void showValues(const SCurve& curve, FieldAccess& fields);

// What a calculator button does: read, check, solve for `mode`, then show the values or
// tell the user why not.
void runCalculation(SCurve& curve, FieldAccess& fields, SolveMode mode);

} // namespace tremalo
