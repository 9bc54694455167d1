// Draws every picture the program ships: the sketch behind the fields, the calculator
// symbol on the buttons, and the program icon (PNG sizes and a Windows .ico).
// Usage: draw_pictures <Assets folder>. Edit the drawing here, then run regenerate.sh.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <QtMath>

#include <cstdio>

namespace {

// The sketch's colours match the labels the window draws over it.
const QColor OffsetColour(0xFF, 0x6E, 0x1D);
const QColor RadiusColour(0xB9, 0x00, 0x00);
const QColor AngleColour(0x49, 0x49, 0xFF);
const QColor LengthColour(0x91, 0x00, 0x7D);
const QColor StraightColour(0x00, 0x48, 0x00);
const QColor RailColour(0x40, 0x40, 0x40);
const QColor SleeperColour(0xB4, 0xA5, 0x8C);
const QColor GuideColour(0x9A, 0x9A, 0x9A);

// An S-curve exaggerated for the eye: 22 degree arcs of radius 330 px between an entry
// track at y 95 (left) and an exit track at y 205 (right), laid out so that labels, fields
// and buttons stand in free space.
constexpr double Angle = 22.0;
constexpr double Radius = 330.0;
constexpr double EntryY = 95.0;
constexpr double ExitY = 205.0;
constexpr double CurveStartX = 140.0;

struct Geometry {
    QPointF start, centre1, end1, end2, centre2, end3, vertex;
    QPointF direction, normal; // along the straight, and to its upper right
};

Geometry geometry() {
    const double a = qDegreesToRadians(Angle);
    Geometry g;
    g.start = {CurveStartX, EntryY};
    g.centre1 = {CurveStartX, EntryY + Radius};
    g.end1 = g.centre1 + QPointF(Radius * std::sin(a), -Radius * std::cos(a));
    g.direction = {std::cos(a), std::sin(a)};
    g.normal = {std::sin(a), -std::cos(a)};
    const double rise = ExitY - EntryY - 2 * Radius * (1 - std::cos(a));
    g.end2 = g.end1 + g.direction * (rise / std::sin(a));
    g.centre2 = g.end2 + g.normal * Radius;
    g.end3 = {g.centre2.x(), g.centre2.y() + Radius};
    g.vertex = {CurveStartX + Radius * std::tan(a / 2), EntryY};
    return g;
}

QPainterPath trackPath(const Geometry& g) {
    QPainterPath path(QPointF(-20, EntryY));
    path.lineTo(g.start);
    const QRectF circle1(g.centre1 - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
    path.arcTo(circle1, 90, -Angle);
    path.lineTo(g.end2);
    const QRectF circle2(g.centre2 - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
    path.arcTo(circle2, 270 - Angle, Angle);
    path.lineTo(770, ExitY);
    return path;
}

void drawTrack(QPainter& p, const QPainterPath& path) {
    // Sleepers across the track, then two rails 9 px apart.
    p.setPen(QPen(SleeperColour, 2.0, Qt::SolidLine, Qt::FlatCap));
    const double length = path.length();
    for (double at = 0; at < length; at += 8.0) {
        const double t = path.percentAtLength(at);
        const QPointF centre = path.pointAtPercent(t);
        const double angle = qDegreesToRadians(path.angleAtPercent(t));
        const QPointF across(std::sin(angle) * 8.0, std::cos(angle) * 8.0);
        p.drawLine(centre - across, centre + across);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(9.0);
    const QPainterPath outline = stroker.createStroke(path);
    p.setPen(QPen(RailColour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF towards, const QColor& colour) {
    const QPointF d = (tip - towards) / std::hypot(tip.x() - towards.x(), tip.y() - towards.y());
    const QPointF side(-d.y(), d.x());
    const QPolygonF head({tip, tip - d * 8.0 + side * 3.0, tip - d * 8.0 - side * 3.0});
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

// A dimension: a line with an arrow head at each end.
void drawDimension(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.5));
    p.drawLine(from, to);
    drawArrowHead(p, from, to, colour);
    drawArrowHead(p, to, from, colour);
}

void drawGuide(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.0, Qt::DashLine));
    p.drawLine(from, to);
}

QImage drawSketch() {
    const Geometry g = geometry();
    QImage image(750, 230, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Where the exit track would continue, so the offset can be measured against it.
    drawGuide(p, QPointF(90, ExitY), QPointF(g.end3.x() - 10, ExitY), GuideColour);
    const QPainterPath track = trackPath(g);
    drawTrack(p, track);

    // Each element's centre line in the colour of the quantity that describes it.
    const QRectF circle1(g.centre1 - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
    const QRectF circle2(g.centre2 - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
    p.setPen(QPen(RadiusColour, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(circle1, 90 * 16, qRound(-Angle * 16));
    p.drawArc(circle2, qRound((270 - Angle) * 16), qRound(Angle * 16));
    p.setPen(QPen(StraightColour, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(g.end1, g.end2);

    // Joints between the elements.
    p.setPen(QPen(RailColour, 1.5));
    for (const QPointF& joint : {g.start, g.end1, g.end2, g.end3}) {
        const QPointF across = joint == g.start || joint == g.end3
                                   ? QPointF(0, 9)
                                   : QPointF(-g.normal.x() * 9, -g.normal.y() * 9);
        p.drawLine(joint - across, joint + across);
    }

    // Radius 1: from the middle of the first arc towards its centre.
    const double half = qDegreesToRadians(Angle / 2);
    const QPointF mid1 = g.centre1 + QPointF(Radius * std::sin(half), -Radius * std::cos(half));
    const QPointF toCentre1 = (g.centre1 - mid1) / Radius;
    p.setPen(QPen(RadiusColour, 1.5));
    p.drawLine(mid1, mid1 + toCentre1 * 42);
    drawArrowHead(p, mid1, mid1 + toCentre1 * 42, RadiusColour);

    // Radius 2: from the middle of the second arc towards its centre.
    const QPointF mid2 = g.centre2 + QPointF(-Radius * std::sin(half), Radius * std::cos(half));
    const QPointF toCentre2 = (g.centre2 - mid2) / Radius;
    const QPointF radius2End = mid2 + toCentre2 * 80;
    p.drawLine(mid2, radius2End);
    drawArrowHead(p, mid2, radius2End, RadiusColour);
    p.setPen(QPen(RadiusColour, 1.0, Qt::DotLine));
    p.drawLine(radius2End, QPointF(550, 104));

    // Angle: between the entry direction and the straight, at their intersection.
    drawGuide(p, g.vertex, QPointF(g.vertex.x() + 128, EntryY), AngleColour);
    drawGuide(p, g.vertex, g.end1, AngleColour);
    const double arcRadius = 112;
    const QRectF angleCircle(g.vertex - QPointF(arcRadius, arcRadius),
                             QSizeF(2 * arcRadius, 2 * arcRadius));
    p.setPen(QPen(AngleColour, 1.5));
    p.drawArc(angleCircle, 0, qRound(-Angle * 16));
    // Arrow heads along the arc's tangent, pointing outwards at either end.
    const double a = qDegreesToRadians(Angle);
    const QPointF arcFrom = g.vertex + QPointF(arcRadius, 0);
    const QPointF arcTo = g.vertex + g.direction * arcRadius;
    drawArrowHead(p, arcFrom, arcFrom + QPointF(0, 8), AngleColour);
    drawArrowHead(p, arcTo, arcTo - QPointF(-std::sin(a), std::cos(a)) * 8, AngleColour);

    // Straight: a dimension beside it, and a leader up to its field.
    const QPointF beside = g.normal * 22;
    drawGuide(p, g.end1 + g.normal * 6, g.end1 + beside + g.normal * 4, StraightColour);
    drawGuide(p, g.end2 + g.normal * 6, g.end2 + beside + g.normal * 4, StraightColour);
    drawDimension(p, g.end1 + beside, g.end2 + beside, StraightColour);
    const QPointF middle = (g.end1 + g.end2) / 2 + beside;
    p.setPen(QPen(StraightColour, 1.0, Qt::DotLine));
    p.drawLine(middle, QPointF(410, 90));

    // Offset: between the entry track and the line of the exit track.
    drawDimension(p, QPointF(104, EntryY + 5), QPointF(104, ExitY - 1), OffsetColour);
    drawGuide(p, QPointF(96, EntryY + 5), QPointF(112, EntryY + 5), OffsetColour);

    // Length: along the track direction, from the start of curve 1 to the end of curve 2.
    drawGuide(p, QPointF(g.start.x(), 34), QPointF(g.start.x(), EntryY - 10), LengthColour);
    drawGuide(p, QPointF(g.end3.x(), 34), QPointF(g.end3.x(), ExitY - 10), LengthColour);
    drawDimension(p, QPointF(g.start.x(), 40), QPointF(g.end3.x(), 40), LengthColour);
    p.end();
    return image;
}

// 17 x 17: a dark calculator with a green display and three rows of keys.
QImage drawCalculator() {
    QImage image(17, 17, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&image);
    p.fillRect(QRect(2, 0, 13, 17), QColor(0x2F, 0x3A, 0x45));
    p.fillRect(QRect(3, 1, 11, 15), QColor(0x45, 0x52, 0x5E));
    p.fillRect(QRect(4, 2, 9, 4), QColor(0xC8, 0xE6, 0xA0));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 2 && column == 2;
            p.fillRect(QRect(4 + 3 * column, 7 + 3 * row, 2, 2),
                       equals ? QColor(0xFF, 0x8C, 0x1A) : QColor(0xE6, 0xE6, 0xE6));
        }
    p.end();
    return image;
}

// The icon: an S-curve of track on a rounded green tile, drawn on a 64-unit grid.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x7D, 0x32));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath s(QPointF(2, 46));
    s.lineTo(12, 46);
    s.cubicTo(QPointF(30, 46), QPointF(34, 18), QPointF(52, 18));
    s.lineTo(62, 18);
    const double thick = size <= 24 ? 5.0 : 3.0;
    p.setPen(QPen(QColor(0xD7, 0xC4, 0x9E), size <= 24 ? 18.0 : 14.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(s);
    QPainterPathStroker rails;
    rails.setWidth(size <= 24 ? 12.0 : 10.0);
    p.setPen(QPen(QColor(0x26, 0x26, 0x26), thick));
    p.setBrush(Qt::NoBrush);
    p.setClipRect(QRectF(2, 2, 60, 60));
    p.drawPath(rails.createStroke(s));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void append16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void append32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One icon image as a classic bottom-up DIB with its AND mask (1 = transparent).
QByteArray iconDib(const QImage& icon, int bits) {
    const int size = icon.width();
    QVector<QRgb> palette;
    QImage indexed;
    if (bits < 32) {
        QImage opaque = icon.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(icon.pixel(x, y)) < 128)
                    opaque.setPixel(x, y, qRgb(0, 0, 0));
        if (bits == 4) {
            palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                       0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                       0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
            indexed = opaque.convertToFormat(QImage::Format_Indexed8, palette,
                                             Qt::ThresholdDither | Qt::AvoidDither);
        } else {
            indexed = opaque.convertToFormat(QImage::Format_Indexed8,
                                             Qt::ThresholdDither | Qt::AvoidDither);
            palette = indexed.colorTable();
            palette.resize(256, 0xFF000000);
        }
    }
    const int xorStride = ((size * bits + 31) / 32) * 4;
    const int andStride = ((size + 31) / 32) * 4;
    QByteArray out;
    append32(out, 40);
    append32(out, size);
    append32(out, size * 2);
    append16(out, 1);
    append16(out, bits);
    append32(out, 0);
    append32(out, (xorStride + andStride) * size);
    append32(out, 0);
    append32(out, 0);
    append32(out, 0);
    append32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (bits == 32) {
                const QRgb c = icon.pixel(x, y);
                row[4 * x] = char(qBlue(c));
                row[4 * x + 1] = char(qGreen(c));
                row[4 * x + 2] = char(qRed(c));
                row[4 * x + 3] = char(qAlpha(c));
            } else if (bits == 8) {
                row[x] = char(indexed.pixelIndex(x, y));
            } else {
                const int index = indexed.pixelIndex(x, y) & 0x0F;
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
            }
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(icon.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Fifteen images: 32-bit, 256-colour and 16-colour, each at 256, 48, 32, 24 and 16 px.
// The 256 px 32-bit image is stored as PNG, as Windows expects for that size.
QByteArray iconFile(const QList<int>& sizes) {
    struct Entry {
        int size, bits;
        QByteArray data;
    };
    QList<Entry> entries;
    for (int bits : {32, 8, 4})
        for (int size : sizes) {
            const QImage icon = drawIcon(size);
            entries.append(
                {size, bits, size == 256 && bits == 32 ? pngBytes(icon) : iconDib(icon, bits)});
        }
    QByteArray out;
    append16(out, 0);
    append16(out, 1);
    append16(out, quint16(entries.size()));
    quint32 offset = 6 + 16 * entries.size();
    for (const Entry& e : entries) {
        out.append(char(e.size == 256 ? 0 : e.size));
        out.append(char(e.size == 256 ? 0 : e.size));
        out.append(char(e.bits == 4 ? 16 : 0));
        out.append(char(0));
        append16(out, 1);
        append16(out, quint16(e.bits));
        append32(out, quint32(e.data.size()));
        append32(out, offset);
        offset += quint32(e.data.size());
    }
    for (const Entry& e : entries)
        out.append(e.data);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures <Assets folder>\n");
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    bool ok = drawSketch().save(assets + "/Zeichnung_S-Kurve_Gleis.bmp", "BMP") &&
              drawCalculator().save(assets + "/calculator.bmp", "BMP");
    const QList<int> sizes = {256, 48, 32, 24, 16};
    for (int size : sizes)
        ok = ok && drawIcon(size).save(assets + QStringLiteral("/icons/tremalo-%1.png").arg(size));
    ok = ok && writeFile(assets + "/tremalo.ico", iconFile(sizes));
    if (!ok)
        std::fprintf(stderr, "draw_pictures: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
