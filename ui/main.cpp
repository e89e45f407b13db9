// 雷光丸職人への道: a judge of reach-me patterns for one three-reel pachislot
// machine.
#include "ui/looks.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    QApplication app(argc, argv);
    ui::applyClassicLook(userChoseStyle);
    // The windows end the program themselves: help windows left open or
    // hidden never keep it running, and the title window hands over to the
    // main window without the program ending in between.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::startProgram();
    return QApplication::exec();
}
