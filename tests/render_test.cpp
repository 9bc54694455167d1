#include "tests/window_fixture.h"
#include "ui/sketch.h"

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

namespace tremalo {
namespace {

using test::readFile;
using test::WindowTest;

constexpr QRgb Grey = 0xFF808080;

QFont labelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QRect labelBox(const QuantityLabel& label) {
    const QFontMetrics metrics(labelFont());
    return {label.position,
            QSize(metrics.horizontalAdvance(QString::fromUtf8(label.text)), metrics.height())};
}

// The window's client area as the user sees it, at one image pixel per device pixel.
QImage grabbed(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// True where a control covers the client area, so the sketch cannot show there.
bool underControl(const QWidget& w, QPoint p) {
    const QWidget* child = w.childAt(p);
    return child != nullptr && child != &w;
}

class RenderTest : public WindowTest {
protected:
    void provideSketch(const QImage& sketch) {
        std::filesystem::create_directories(folder.assets());
        ASSERT_TRUE(sketch.save(
            QString::fromStdString((folder.assets() / "Zeichnung_S-Kurve_Gleis.bmp").string()),
            "BMP"));
    }

    // On a solid grey sketch each label's white box must be exactly its text cell, in
    // device pixels: the logical cell times the device pixel ratio.
    void expectLabelBoxes(const QImage& image) {
        const int d = scale(image);
        for (const QuantityLabel& label : QuantityLabels) {
            SCOPED_TRACE(label.text);
            const QRect logical = labelBox(label);
            ASSERT_GT(logical.width(), 20);
            ASSERT_GE(logical.height(), 13);
            const QRect box(logical.topLeft() * d, logical.size() * d);
            // Every pixel is white, the label's colour, or an antialiased blend of the two;
            // several pixels are close to the full colour.
            const QColor colour(label.colour);
            const int fullInk = 3 * 255 - colour.red() - colour.green() - colour.blue();
            int strong = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const QColor p(image.pixel(x, y));
                    const bool blend = p.red() >= colour.red() - 2 &&
                                       p.green() >= colour.green() - 2 &&
                                       p.blue() >= colour.blue() - 2;
                    EXPECT_TRUE(blend)
                        << "not a blend of white and the label colour at " << x << "," << y;
                    const int ink = 3 * 255 - p.red() - p.green() - p.blue();
                    strong += ink * 10 >= fullInk * 8;
                }
            EXPECT_GT(strong, 5 * d) << "text not drawn in its colour";
            EXPECT_EQ(image.pixel(box.topLeft()), 0xFFFFFFFF);
            EXPECT_EQ(image.pixel(box.topRight()), 0xFFFFFFFF);
            EXPECT_EQ(image.pixel(box.bottomLeft()), 0xFFFFFFFF);
            // Just outside the box the sketch shows again, wherever no control stands.
            for (QPoint outside : {box.topLeft() - QPoint(1, 0), box.topRight() + QPoint(1, 0),
                                   box.topLeft() - QPoint(0, 1), box.bottomLeft() + QPoint(0, 1)}) {
                if (!underControl(*window, outside / d)) {
                    EXPECT_EQ(image.pixel(outside), Grey) << outside.x() << "," << outside.y();
                }
            }
        }
    }

    static int scale(const QImage& image) { return qRound(image.devicePixelRatio()); }
};

TEST_F(RenderTest, EachLabelStandsOnAWhiteBoxInItsColourAndSurvivesARepaint) {
    QImage grey(750, 230, QImage::Format_RGB32);
    grey.fill(Grey);
    provideSketch(grey);
    MainWindow& w = open();
    expectLabelBoxes(grabbed(w));
    w.repaint();
    QApplication::processEvents();
    expectLabelBoxes(grabbed(w));
}

TEST_F(RenderTest, ShippedSketchShowsPixelForPixelWhereNothingCoversIt) {
    provideAssets();
    MainWindow& w = open();
    const QImage sketch(QString::fromUtf8(TREMALO_ASSETS "/Zeichnung_S-Kurve_Gleis.bmp"));
    ASSERT_EQ(sketch.size(), QSize(750, 230));
    const QImage shown = grabbed(w);
    const int d = scale(shown);
    int compared = 0;
    for (int y = 0; y < 230; ++y)
        for (int x = 0; x < 750; ++x) {
            const QPoint p(x, y);
            const bool underLabel =
                std::any_of(QuantityLabels.begin(), QuantityLabels.end(),
                            [&](const QuantityLabel& l) { return labelBox(l).contains(p); });
            if (underLabel || underControl(w, p))
                continue;
            ++compared;
            if (shown.pixel(p * d) != sketch.pixel(p)) {
                ADD_FAILURE() << "pixel " << x << "," << y << " differs from the sketch";
                return;
            }
        }
    EXPECT_GT(compared, 150000);
}

TEST_F(RenderTest, EachLabelSitsDirectlyAboveItsFieldAtAnyScale) {
    QImage grey(750, 230, QImage::Format_RGB32);
    grey.fill(Grey);
    provideSketch(grey);
    MainWindow& w = open();
    const QImage shown = grabbed(w);
    const int d = scale(shown);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(d, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
    }
    EXPECT_EQ(shown.size(), QSize(750, 230) * d);
    for (const QuantityLabel& label : QuantityLabels) {
        if (label.field == Field::Length)
            continue; // stands beside its label
        SCOPED_TRACE(label.text);
        const QRect box = labelBox(label);
        const QRect field = w.field(label.field)->geometry();
        ASSERT_EQ(field.topLeft(), label.position + QPoint(0, 20));
        // Down one device pixel column: the white box, then sketch, then the field's frame.
        const int x = (label.position.x() + 2) * d;
        for (int y = (box.bottom() + 1) * d; y < field.top() * d; ++y)
            EXPECT_EQ(shown.pixel(x, y), Grey) << "gap at device row " << y;
        EXPECT_EQ(shown.pixel(x, box.bottom() * d), 0xFFFFFFFF);
        EXPECT_NE(shown.pixel(x, field.top() * d), Grey);
    }
}

TEST_F(RenderTest, SmallSketchLeavesTheBackgroundAndALargeOneIsCutNotScaled) {
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(Grey);
    provideSketch(small);
    MainWindow& w = open();
    QImage shown = grabbed(w);
    EXPECT_EQ(shown.pixel(99, 49), Grey);
    EXPECT_EQ(shown.pixel(100, 49), w.palette().color(QPalette::Button).rgb());
    EXPECT_EQ(shown.pixel(700, 220), w.palette().color(QPalette::Button).rgb());
    window.reset();

    QImage large(1000, 400, QImage::Format_RGB32);
    large.fill(Grey);
    for (int y = 0; y < 400; ++y)
        large.setPixel(749, y, 0xFF0000FF); // last visible column
    provideSketch(large);
    shown = grabbed(open());
    EXPECT_EQ(shown.size(), QSize(750, 230));
    EXPECT_EQ(shown.pixel(749, 220), 0xFF0000FF);
    EXPECT_EQ(shown.pixel(748, 220), Grey);
}

TEST_F(RenderTest, WithoutTheSketchTheLabelsStandOnThePlainBackground) {
    MainWindow& w = open();
    const QImage shown = grabbed(w);
    const QRgb face = w.palette().color(QPalette::Button).rgb();
    EXPECT_EQ(shown.pixel(5, 5), face);
    for (const QuantityLabel& label : QuantityLabels)
        EXPECT_EQ(shown.pixel(labelBox(label).topLeft()), 0xFFFFFFFF) << label.text;
}

TEST(Program, WithoutADisplayPrintsOneLineAndExitsWithFailureLeavingTheSettingsAlone) {
    test::TempFolder folder;
    folder.writeSettings("Tremalo Init File\r\nOffset:\r\n12\r\n");
    const auto before = std::filesystem::last_write_time(folder.settingsFile());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    program.start(QStringLiteral(TREMALO_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    EXPECT_EQ(program.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.contains("display")) << error.toStdString();
    EXPECT_EQ(readFile(folder.settingsFile()), "Tremalo Init File\r\nOffset:\r\n12\r\n");
    EXPECT_EQ(std::filesystem::last_write_time(folder.settingsFile()), before);
    EXPECT_EQ(folder.assetNames(), std::vector<std::string>{"Tremalo.ini"});
}

} // namespace
} // namespace tremalo
