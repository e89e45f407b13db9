// The program's start exactly as its main() does it, ending at the title
// window's first paint: the start-up benchmark's measured child.
#include "firstpaint.h"

#include "ui/app/commandline.h"
#include "ui/app/program.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/lifetime.h"
#include "ui/classic/titlewindow.h"

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
