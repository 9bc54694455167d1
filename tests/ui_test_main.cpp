#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// Window tests need no display: they run on Qt's offscreen platform, in the C locale.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
