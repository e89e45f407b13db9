#include "ui/classic/screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void placeInScreenCentre(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect client(QPoint(0, 0), window->size());
    client.moveCenter(screen->availableGeometry().center());
    // The geometry of a window is its client area; move() would place the frame.
    window->setGeometry(client);
}

} // namespace ui
