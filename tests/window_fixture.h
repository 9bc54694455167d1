#pragma once

#include "tests/temp_folder.h"
#include "ui/mainwindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace tremalo::test {

// What a message box showed before the test dismissed it.
struct ShownMessage {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon;
};

// Runs each test against a fresh window on the offscreen platform, with its Assets in a
// temporary folder. Any modal widget a test does not expect is a failure and is closed,
// so a test can never hang on one.
class WindowTest : public testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<MainWindow> window;
    std::vector<ShownMessage> messages;

    void SetUp() override {
        connectionGuard_ =
            QObject::connect(&modalWatch_, &QTimer::timeout, [this] { dismissModal(); });
        modalWatch_.start(5);
    }

    void TearDown() override {
        window.reset();
        modalWatch_.stop();
        QObject::disconnect(connectionGuard_);
    }

    // Copies the shipped pictures into the temporary Assets folder.
    void provideAssets() {
        std::filesystem::create_directories(folder.assets());
        for (const char* name : {"Zeichnung_S-Kurve_Gleis.bmp", "calculator.bmp"})
            std::filesystem::copy_file(std::filesystem::path(TREMALO_ASSETS) / name,
                                       folder.assets() / name);
    }

    MainWindow& open() {
        window = std::make_unique<MainWindow>(folder.path());
        window->start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    QLineEdit* field(Field f) const { return window->field(f); }

    // Clicks `button` and returns the messages its command showed.
    std::vector<ShownMessage> clickExpectingMessages(QAbstractButton* button) {
        messages.clear();
        expectingMessages_ = true;
        QTest::mouseClick(button, Qt::LeftButton);
        expectingMessages_ = false;
        return messages;
    }

    void clickExpectingNoMessage(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
    }

private:
    void dismissModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!expectingMessages_ || !box)
            ADD_FAILURE() << "unexpected modal widget: " << modal->metaObject()->className();
        if (!box) {
            modal->close();
            return;
        }
        ShownMessage shown{box->windowTitle(), box->text(), {}, box->icon()};
        for (QAbstractButton* b : box->buttons())
            shown.buttons.append(b->text());
        messages.push_back(shown);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->close();
    }

    QTimer modalWatch_;
    QMetaObject::Connection connectionGuard_;
    bool expectingMessages_ = false;
};

} // namespace tremalo::test
