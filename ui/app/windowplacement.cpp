#include "ui/app/windowplacement.h"

#include "ui/classic/screencentre.h"
#include "ui/common/settings.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

bool onSomeScreen(const QRect &frame)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen *screen) {
        // Enough of the window to grab its title bar.
        const QRect seen = screen->availableGeometry().intersected(frame);
        return seen.width() >= 100 && seen.height() >= 50;
    });
}

// Right of the other window, else left of it, on the side with more room;
// narrowed to that room where the window can be, so that it covers as little
// of the other window as it must.
void placeBeside(QWidget *window, const QWidget *beside)
{
    const QScreen *screen = beside->screen();
    if (!screen) {
        placeInScreenCentre(window);
        return;
    }
    const QRect free = screen->availableGeometry();
    const QRect other = beside->frameGeometry();
    const int rightRoom = free.right() - other.right();
    const int leftRoom = other.left() - free.left();
    const bool right = rightRoom >= window->width() || rightRoom >= leftRoom;
    const int room = right ? rightRoom : leftRoom;
    const int narrowest = window->minimumSizeHint().expandedTo(window->minimumSize()).width();
    const int width = std::max(std::min(window->width(), room), narrowest);
    QRect place(0, 0, std::min(width, free.width()), std::min(window->height(), free.height()));
    place.moveTop(std::clamp(other.top(), free.top(), free.bottom() + 1 - place.height()));
    if (right)
        place.moveRight(std::min(other.right() + width, free.right()));
    else
        place.moveLeft(std::max(other.left() - width, free.left()));
    window->setGeometry(place);
}

// A remembered place no larger than the free area of the screen it is on,
// and inside it: a saved size beyond the screen (an edited or foreign
// settings file) would cost memory and time for pixels nobody sees.
void fitToScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QRect place = window->geometry();
    place.setSize(place.size().boundedTo(free.size()).expandedTo(window->minimumSize()));
    place.moveLeft(std::clamp(
        place.left(), free.left(), std::max(free.left(), free.right() + 1 - place.width())));
    place.moveTop(std::clamp(
        place.top(), free.top(), std::max(free.top(), free.bottom() + 1 - place.height())));
    window->setGeometry(place);
}

} // namespace

void restoreWindowPlace(QWidget *window, const char *key, const QWidget *beside)
{
    const QByteArray saved = settings::windowPlace(key).read();
    if (!saved.isEmpty() && window->restoreGeometry(saved)
        && onSomeScreen(window->frameGeometry())) {
        fitToScreen(window);
        return;
    }
    if (beside && beside->isVisible())
        placeBeside(window, beside);
    else
        placeInScreenCentre(window);
}

void saveWindowPlace(const QWidget *window, const char *key)
{
    settings::windowPlace(key).write(window->saveGeometry());
}

} // namespace ui
