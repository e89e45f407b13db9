// The program's start exactly as its main() does it, ending at the title
// window's first paint: the start-up benchmark's measured child.
#include "firstpaint.h"

#include "ui/looks.h"
#include "ui/startup.h"
#include "ui/titlewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    QApplication app(argc, argv);
    FirstPaintReporter reporter(
        [](QObject *object) { return qobject_cast<ui::TitleWindow *>(object) != nullptr; });
    app.installEventFilter(&reporter);
    ui::applyClassicLook(userChoseStyle);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::startProgram();
    return QApplication::exec();
}
