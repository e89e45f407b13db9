// The smallest Qt Widgets program with one window and one button, ending at
// the window's first paint: the start-up benchmark's baseline.
#include "firstpaint.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    FirstPaintReporter reporter([&window](QObject *object) { return object == &window; });
    app.installEventFilter(&reporter);
    window.resize(405, 230);
    QPushButton button(QStringLiteral("OK"), &window);
    button.move(144, 168);
    window.show();
    return QApplication::exec();
}
