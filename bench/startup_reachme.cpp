// The program's real start-up (ui::runProgram, as main() calls it), ending
// at the title window's first paint: the start-up benchmark's measured child.
#include "firstpaint.h"

#include "ui/app/startup.h"
#include "ui/classic/titlewindow.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<FirstPaintReporter> reporter;
    return ui::runProgram(argc, argv, [&reporter](QApplication &app) {
        reporter = std::make_unique<FirstPaintReporter>(
            [](QObject *object) { return qobject_cast<ui::TitleWindow *>(object) != nullptr; });
        app.installEventFilter(reporter.get());
    });
}
