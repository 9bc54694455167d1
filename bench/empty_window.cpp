// Yardsticks for start-up time: an empty Qt window of Tremalo's size and, built with
// WITH_TEXT, the same window with one text field, which is the cheapest window that has
// to start the font system as every window with text does.
#include <QApplication>
#include <QWidget>
#ifdef WITH_TEXT
#include <QLineEdit>
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(750, 230);
    window.move(300, 300);
#ifdef WITH_TEXT
    auto* field = new QLineEdit(QStringLiteral("50.00"), &window);
    field->setGeometry(20, 150, 65, 20);
#endif
    window.show();
    return application.exec();
}
