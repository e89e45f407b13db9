// The program's start exactly as its main() does it, ending at the title
// window's first paint: the start-up benchmark's measured child.
#include "firstpaint.h"

#include "ui/commandline.h"
#include "ui/lifetime.h"
#include "ui/looks.h"
#include "ui/program.h"
#include "ui/titlewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    ui::setProgramNames();
    QApplication app(argc, argv);
    FirstPaintReporter reporter(
        [](QObject *object) { return qobject_cast<ui::TitleWindow *>(object) != nullptr; });
    app.installEventFilter(&reporter);
    ui::applyClassicLook(userChoseStyle);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Lifetime lifetime;
    ui::Program program(lifetime);
    program.start();
    return QApplication::exec();
}
