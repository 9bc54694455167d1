#include "ui/application.h"

#include "ui/caretblink.h"
#include "ui/mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tremalo {

namespace {

// While the toolkit starts, its messages are held back: if it cannot reach a display it
// ends the process from inside the QApplication constructor (abort and core dump). Instead
// we say so in one line and exit with a failure status, before any settings are touched.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> heldMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("tremalo: cannot open the window: no display could be reached\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, text});
}

void releaseStartupMessages() {
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& message : heldMessages)
        qt_message_output(message.type, QMessageLogContext(), message.text);
    heldMessages.clear();
}

} // namespace

int runApplication(int argc, char** argv) {
    qInstallMessageHandler(holdStartupMessage);
    QApplication application(argc, argv);
    releaseStartupMessages();

    CaretBlinkLimit caretBlinkLimit;
    MainWindow window;
    window.start();
    return application.exec();
}

} // namespace tremalo
