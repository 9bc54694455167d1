#include "ui/mainwindow.h"

#include "settings/settings.h"
#include "ui/picture.h"
#include "ui/sketch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace tremalo {

namespace {

// Fields stand directly below their label; the length field alone stands to its right.
QPoint fieldPosition(const QuantityLabel& label) {
    if (label.field == Field::Length)
        return label.position + QPoint(45, -1);
    return label.position + QPoint(0, 20);
}

// Flush against the field's right edge, 4 pixels above its top to 1 below its bottom.
QPoint buttonPosition(const QuantityLabel& label) {
    return label.position + QPoint(65, 16);
}

} // namespace

MainWindow::MainWindow(std::filesystem::path base)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      base_(std::move(base)), record_(defaultSCurve()) {
    labelFont_.setFamily(QStringLiteral("Arial"));
    labelFont_.setPixelSize(13); // 10 pt at 96 dpi, as an em height
    sketchImage_ = loadPicture(base_ / "Assets" / "Zeichnung_S-Kurve_Gleis.bmp");
    calculatorImage_ = loadPicture(base_ / "Assets" / "calculator.bmp");

    setWindowTitle(QStringLiteral("Tremalo 1.00"));
    QIcon icon;
    // The 256 px image is for the desktop's large views; as a window icon it would cost
    // milliseconds of start-up for a picture no title bar shows.
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/tremalo-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFixedSize(ClientSize);
    move(FramePosition);
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

void MainWindow::start() {
    show();
    activateWindow();
    loadSettings(record_, base_);
    createControls();
    update();
    showValues(record_, *this);
}

void MainWindow::createControls() {
    const auto makeButton = [this](const QuantityLabel& label, const char* tooltip,
                                   SolveMode mode) {
        auto* button = new QPushButton(this);
        button->setGeometry(QRect(buttonPosition(label), ButtonSize));
        if (!calculatorImage_.isNull()) {
            button->setIcon(QIcon(QPixmap::fromImage(calculatorImage_)));
            button->setIconSize(calculatorImage_.size());
        }
        button->setToolTip(QString::fromUtf8(tooltip));
        button->setAccessibleName(button->toolTip());
        connect(button, &QPushButton::clicked, this,
                [this, mode] { runCalculation(record_, *this, mode); });
        button->show();
        return button;
    };

    // Creation order is the Tab order: each button follows its own field.
    for (const QuantityLabel& label : QuantityLabels) {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(QRect(fieldPosition(label), FieldSize));
        edit->setReadOnly(label.field == Field::Length);
        edit->setToolTip(QString::fromUtf8(label.fieldTooltip));
        edit->setAccessibleName(QString::fromUtf8(label.text));
        edit->show();
        fields_[static_cast<int>(label.field)] = edit;
        if (label.field == Field::Straight)
            straightButton_ =
                makeButton(label, "Länge der Zwischengerade berechnen", SolveStraight);
        else if (label.field == Field::Radius2)
            radius2Button_ =
                makeButton(label, "Radius des zweiten Gleisbogens berechnen", SolveRadius2);
    }
}

std::string MainWindow::fieldText(Field which) const {
    return field(which)->text().toStdString();
}

void MainWindow::setFieldText(Field which, const std::string& text) {
    field(which)->setText(QString::fromStdString(text));
}

void MainWindow::showMessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MainWindow::paintEvent(QPaintEvent*) {
    // Drawn at every repaint, so the labels that name the fields never vanish.
    QPainter painter(this);
    drawSketch(painter, sketchImage_, labelFont_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exitSequenceDone_) {
        exitSequenceDone_ = true;
        solveSCurve(record_, SolveRadius2); // feasible or not, the record is saved as it is
        saveSettings(record_, base_);
    }
    event->accept();
}

} // namespace tremalo
