#pragma once

#include <QObject>
#include <QTimer>

namespace tremalo {

// A blinking caret wakes the program twice a second for as long as a field has the focus.
// Like GTK, let it blink while the user works and hold it steady after some seconds without
// keyboard or mouse input, so that an idle program does not run at all.
class CaretBlinkLimit : public QObject {
public:
    explicit CaretBlinkLimit(int blinkingMilliseconds = 10000, QObject* parent = nullptr);
    ~CaretBlinkLimit() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void holdSteady();

    QTimer quiet_;
    int flashTime_;
};

} // namespace tremalo
