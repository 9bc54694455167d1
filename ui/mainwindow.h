#pragma once

#include "calc/calculation.h"
#include "geometry/scurve.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <filesystem>

class QLineEdit;
class QPushButton;

namespace tremalo {

// The program's one window. It owns the record, the label font, the two pictures and the
// eight controls, and gives the calculation its fields and message box.
class MainWindow : public QWidget, public FieldAccess {
    Q_OBJECT

public:
    static constexpr QSize ClientSize{750, 230};
    static constexpr QPoint FramePosition{300, 300};
    static constexpr QSize FieldSize{65, 20};
    static constexpr QSize ButtonSize{25, 25};

    // Sets the defaults and loads the font and pictures from "Assets" under `base` (the
    // current folder when empty). Nothing is shown yet.
    explicit MainWindow(std::filesystem::path base = {});

    // Shows the window, loads the settings, creates the controls and fills the fields.
    void start();

    QLineEdit* field(Field field) const { return fields_[static_cast<int>(field)]; }
    QPushButton* straightButton() const { return straightButton_; }
    QPushButton* radius2Button() const { return radius2Button_; }
    const SCurve& record() const { return record_; }

    std::string fieldText(Field field) const override;
    void setFieldText(Field field, const std::string& text) override;
    void showMessage(const std::string& title, const std::string& text) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();

    std::filesystem::path base_;
    SCurve record_;
    QFont labelFont_;
    QImage sketchImage_;
    QImage calculatorImage_;
    std::array<QLineEdit*, 6> fields_{};
    QPushButton* straightButton_ = nullptr;
    QPushButton* radius2Button_ = nullptr;
    bool exitSequenceDone_ = false;
};

} // namespace tremalo
