#pragma once

#include "calc/calculation.h"

#include <QColor>
#include <QPoint>

#include <array>

class QFont;
class QImage;
class QPainter;

namespace tremalo {

// One quantity on the sketch: its field, the label naming it and where that label stands
// (top-left corner of the text cell, in device-independent pixels of the client area), and
// the tooltip of its field. Texts are UTF-8.
struct QuantityLabel {
    Field field;
    const char* text;
    QPoint position;
    QRgb colour;
    const char* fieldTooltip;
};

// In drawing order, which is also the order the fields are created in.
inline constexpr std::array<QuantityLabel, 6> QuantityLabels = {{
    {Field::Offset, "Versatz", {20, 130}, 0xFF6E1D, "Versatz der S-Kurve vorgeben"},
    {Field::Radius1, "Radius 1", {150, 150}, 0xB90000, "Radius des ersten Gleisbogens vorgeben"},
    {Field::Angle, "Winkel", {265, 150}, 0x4949FF, "Winkel der Gleisbogen vorgeben"},
    {Field::Length, "Länge", {300, 8}, 0x91007D, "Gesamtlänge der S-Kurve"},
    {Field::Straight, "Gerade", {390, 45}, 0x004800, "Länge der Zwischengerade vorgeben"},
    {Field::Radius2, "Radius 2", {555, 93}, 0xB90000, "Radius des zweiten Gleisbogens vorgeben"},
}};

// Paints the sketch picture at (0, 0), unscaled, then each label in its colour on a white
// box as wide as its advance and as high as the font's line. A null picture is skipped.
void drawSketch(QPainter& painter, const QImage& sketchImage, const QFont& labelFont);

} // namespace tremalo
