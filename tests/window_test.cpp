#include "geometry/scurve.h"
#include "numtext/numtext.h"
#include "settings/settings.h"
#include "tests/window_fixture.h"
#include "ui/caretblink.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>

namespace tremalo {
namespace {

using test::readFile;
using test::WindowTest;

const std::string DefaultsFile = readFile(TREMALO_FIXTURES "/defaults.ini");

std::string defaultsSolvedForRadius2() {
    std::string text = DefaultsFile;
    text.replace(text.find("705.3499755859"), 14, "705.3526000977");
    return text;
}

QString fieldTexts(const MainWindow& w) {
    QStringList texts;
    for (Field f : {Field::Offset, Field::Angle, Field::Radius1, Field::Straight, Field::Radius2,
                    Field::Length})
        texts << w.field(f)->text();
    return texts.join(' ');
}

TEST_F(WindowTest, OpenedWindowHasItsTitleFixedClientSizeAndNoMinimiseOrMaximiseBox) {
    provideAssets();
    MainWindow& w = open();
    EXPECT_EQ(w.windowTitle(), "Tremalo 1.00");
    EXPECT_EQ(w.size(), QSize(750, 230));
    EXPECT_EQ(w.minimumSize(), QSize(750, 230));
    EXPECT_EQ(w.maximumSize(), QSize(750, 230));
    EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(300, 300));
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(w.testAttribute(Qt::WA_AlwaysShowToolTips));
    EXPECT_EQ(w.palette().color(QPalette::Window), w.palette().color(QPalette::Button));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(WindowTest, ControlsStandBesideTheirLabelsWithTheirTooltips) {
    provideAssets();
    MainWindow& w = open();
    struct Row {
        QWidget* control;
        QRect geometry;
        const char* tooltip;
    } rows[] = {
        {w.field(Field::Offset), {20, 150, 65, 20}, "Versatz der S-Kurve vorgeben"},
        {w.field(Field::Radius1), {150, 170, 65, 20}, "Radius des ersten Gleisbogens vorgeben"},
        {w.field(Field::Angle), {265, 170, 65, 20}, "Winkel der Gleisbogen vorgeben"},
        {w.field(Field::Length), {345, 7, 65, 20}, "Gesamtlänge der S-Kurve"},
        {w.field(Field::Straight), {390, 65, 65, 20}, "Länge der Zwischengerade vorgeben"},
        {w.straightButton(), {455, 61, 25, 25}, "Länge der Zwischengerade berechnen"},
        {w.field(Field::Radius2), {555, 113, 65, 20}, "Radius des zweiten Gleisbogens vorgeben"},
        {w.radius2Button(), {620, 109, 25, 25}, "Radius des zweiten Gleisbogens berechnen"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tooltip);
        EXPECT_EQ(row.control->geometry(), row.geometry);
        EXPECT_EQ(row.control->toolTip(), QString::fromUtf8(row.tooltip));
        EXPECT_TRUE(row.control->isVisible());
    }
    for (Field f : {Field::Offset, Field::Radius1, Field::Angle, Field::Straight, Field::Radius2})
        EXPECT_FALSE(w.field(f)->isReadOnly());
    EXPECT_TRUE(w.field(Field::Length)->isReadOnly());
    for (QPushButton* button : {w.straightButton(), w.radius2Button()}) {
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_EQ(button->iconSize(), QSize(17, 17));
        EXPECT_FALSE(button->icon().isNull());
    }
}

TEST_F(WindowTest, StartWithoutSettingsShowsTheDefaultsWithTwoDecimals) {
    provideAssets();
    EXPECT_EQ(fieldTexts(open()), "50.00 7.50 1962.00 57.50 3005.16 705.35");
}

TEST_F(WindowTest, StartWithSettingsShowsTheLoadedValues) {
    provideAssets();
    folder.writeSettings("Tremalo Init File\nOffset:\n40\nAngle:\n10\nRadius1:\n-12.5\n");
    EXPECT_EQ(fieldTexts(open()), "40.00 10.00 -12.50 57.50 3005.16 705.35");
}

TEST_F(WindowTest, TabAndShiftTabFollowTheCreationOrderAndWrap) {
    provideAssets();
    MainWindow& w = open();
    const std::vector<QWidget*> order = {w.field(Field::Offset),   w.field(Field::Radius1),
                                         w.field(Field::Angle),    w.field(Field::Length),
                                         w.field(Field::Straight), w.straightButton(),
                                         w.field(Field::Radius2),  w.radius2Button()};
    order.front()->setFocus();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << "Tab " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
    }
}

TEST_F(WindowTest, StraightButtonSolvesTheStraightFromRadius2) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Radius2)->setText("2500");
    field(Field::Straight)->setText("1");
    clickExpectingNoMessage(w.straightButton());

    SCurve expected = defaultSCurve();
    expected.radius2 = 2500.0f;
    expected.straight = 1.0f;
    ASSERT_EQ(solveSCurve(expected, SolveStraight), 1);
    EXPECT_EQ(field(Field::Straight)->text().toStdString(), formatNumber(expected.straight, 2));
    EXPECT_EQ(field(Field::Radius2)->text(), "2500.00");
    EXPECT_EQ(field(Field::Length)->text().toStdString(), formatNumber(expected.length, 2));
}

TEST_F(WindowTest, Radius2ButtonSolvesRadius2FromTheStraight) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Straight)->setText("100");
    field(Field::Radius2)->setText("1");
    clickExpectingNoMessage(w.radius2Button());

    SCurve expected = defaultSCurve();
    expected.straight = 100.0f;
    ASSERT_EQ(solveSCurve(expected, SolveRadius2), 1);
    EXPECT_EQ(field(Field::Radius2)->text().toStdString(), formatNumber(expected.radius2, 2));
    EXPECT_EQ(field(Field::Straight)->text(), "100.00");
}

TEST_F(WindowTest, SpaceOnAFocusedCalculatorButtonRunsIt) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Straight)->setText("100");
    w.radius2Button()->setFocus();
    QTest::keyClick(w.radius2Button(), Qt::Key_Space);
    EXPECT_EQ(field(Field::Straight)->text(), "100.00");
}

TEST_F(WindowTest, InvalidInputShowsTheInvalidMessageAndTheFieldsKeepTheirText) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Offset)->setText("");
    field(Field::Angle)->setText("12,5");
    const auto shown = clickExpectingMessages(w.radius2Button());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler");
    EXPECT_EQ(shown[0].text, QString::fromUtf8("Einer der Eingabewerte ist ungültig!"));
    ASSERT_EQ(shown[0].buttons.size(), 1);
    EXPECT_EQ(QString(shown[0].buttons[0]).remove('&'), "OK");
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(field(Field::Offset)->text(), "");
    EXPECT_EQ(field(Field::Angle)->text(), "12,5");
    EXPECT_EQ(w.record().angle, 12.5f);
}

TEST_F(WindowTest, InfeasibleSCurveShowsTheNoSCurveMessage) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Straight)->setText("300");
    const auto shown = clickExpectingMessages(w.radius2Button());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler");
    EXPECT_EQ(shown[0].text, "Die S-Kurve kann nicht berechnet werden!");
    EXPECT_EQ(shown[0].buttons.size(), 1);
    EXPECT_EQ(field(Field::Straight)->text(), "300");
    EXPECT_EQ(field(Field::Radius2)->text(), "3005.16");
}

TEST_F(WindowTest, TypingAloneChangesNothingAndIsLostAtExit) {
    provideAssets();
    MainWindow& w = open();
    QTest::keyClicks(field(Field::Offset), "99");
    QTest::keyClicks(field(Field::Length), "123");
    EXPECT_EQ(field(Field::Offset)->text(), "50.0099");
    EXPECT_EQ(field(Field::Length)->text(), "705.35");
    EXPECT_EQ(w.record().offset, 50.0f);
    w.close();
    EXPECT_EQ(readFile(folder.settingsFile()), defaultsSolvedForRadius2());
}

TEST_F(WindowTest, ClosingSolvesForRadius2AndSavesExactlyOnce) {
    provideAssets();
    MainWindow& w = open();
    EXPECT_FALSE(std::filesystem::exists(folder.settingsFile())); // nothing written at start
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(readFile(folder.settingsFile()), defaultsSolvedForRadius2());

    test::writeFile(folder.settingsFile(), "marker");
    QCloseEvent again;
    QApplication::sendEvent(&w, &again);
    EXPECT_EQ(readFile(folder.settingsFile()), "marker");
}

TEST_F(WindowTest, ClosingAfterAFailedCalculationSavesWhatTheRecordHolds) {
    provideAssets();
    MainWindow& w = open();
    field(Field::Straight)->setText("300");
    clickExpectingMessages(w.radius2Button());
    w.close();
    SCurve loaded;
    loadSettings(loaded, folder.path());
    EXPECT_EQ(loaded.straight, 300.0f);
    EXPECT_LT(loaded.radius2, 0.0f);
}

TEST_F(WindowTest, StartWithoutAssetsFolderShowsDefaultsAndWritesNothing) {
    MainWindow& w = open();
    EXPECT_EQ(fieldTexts(w), "50.00 7.50 1962.00 57.50 3005.16 705.35");
    EXPECT_TRUE(w.straightButton()->icon().isNull());
    field(Field::Straight)->setText("100");
    clickExpectingNoMessage(w.radius2Button()); // buttons work without their picture
    EXPECT_EQ(field(Field::Straight)->text(), "100.00");
    w.close();
    EXPECT_FALSE(std::filesystem::exists(folder.assets()));
}

TEST_F(WindowTest, ScreenReadersNameEachControlAsItsLabelOrTooltip) {
    provideAssets();
    MainWindow& w = open();
    const std::pair<QWidget*, const char*> names[] = {
        {w.field(Field::Offset), "Versatz"},
        {w.field(Field::Radius1), "Radius 1"},
        {w.field(Field::Angle), "Winkel"},
        {w.field(Field::Length), "Länge"},
        {w.field(Field::Straight), "Gerade"},
        {w.straightButton(), "Länge der Zwischengerade berechnen"},
        {w.field(Field::Radius2), "Radius 2"},
        {w.radius2Button(), "Radius des zweiten Gleisbogens berechnen"}};
    for (const auto& [control, name] : names) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(name));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.field(Field::Offset))->role(),
              QAccessible::EditableText);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(w.field(Field::Length))->state().readOnly);
}

} // namespace
} // namespace tremalo

namespace tremalo {
namespace {

TEST_F(WindowTest, CaretHoldsStillAfterAQuietSpellAndBlinksAgainOnInput) {
    provideAssets();
    const int blinking = QApplication::cursorFlashTime();
    ASSERT_GT(blinking, 0);
    {
        CaretBlinkLimit limit(50);
        MainWindow& w = open();
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::cursorFlashTime() == 0; }, 2000));
        QTest::keyClick(w.field(Field::Offset), Qt::Key_End);
        EXPECT_EQ(QApplication::cursorFlashTime(), blinking);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::cursorFlashTime() == 0; }, 2000));
        QTest::mouseClick(w.field(Field::Angle), Qt::LeftButton);
        EXPECT_EQ(QApplication::cursorFlashTime(), blinking);
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), blinking);
}

} // namespace
} // namespace tremalo
