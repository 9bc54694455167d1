#include "ui/caretblink.h"

#include <QApplication>
#include <QEvent>

namespace tremalo {

CaretBlinkLimit::CaretBlinkLimit(int blinkingMilliseconds, QObject* parent)
    : QObject(parent), flashTime_(QApplication::cursorFlashTime()) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(blinkingMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, &CaretBlinkLimit::holdSteady);
    qApp->installEventFilter(this);
    quiet_.start();
}

CaretBlinkLimit::~CaretBlinkLimit() {
    qApp->removeEventFilter(this);
    QApplication::setCursorFlashTime(flashTime_);
}

bool CaretBlinkLimit::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        if (QApplication::cursorFlashTime() != flashTime_)
            QApplication::setCursorFlashTime(flashTime_);
        quiet_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlinkLimit::holdSteady() {
    QApplication::setCursorFlashTime(0);
}

} // namespace tremalo
