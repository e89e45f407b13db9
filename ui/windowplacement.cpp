#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

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

namespace ui {

namespace {

QString settingsKey(const char *key)
{
    return QStringLiteral("windows/%1/geometry").arg(QString::fromLatin1(key));
}

bool onSomeScreen(const QRect &frame)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen *screen) {
        // Enough of the window to grab its title bar.
        const QRect seen = screen->availableGeometry().intersected(frame);
        return seen.width() >= 100 && seen.height() >= 50;
    });
}

void placeBeside(QWidget *window, const QWidget *beside)
{
    const QScreen *screen = beside->screen();
    const QRect free = screen ? screen->availableGeometry() : QRect();
    const QRect other = beside->frameGeometry();
    QRect place(QPoint(0, 0), window->size());
    place.moveTop(std::max(free.top(), other.top()));
    if (other.right() + 1 + place.width() <= free.right() + 1 || free.isNull())
        place.moveLeft(other.right() + 1);
    else if (other.left() - place.width() >= free.left())
        place.moveRight(other.left() - 1);
    else
        place.moveRight(free.right());
    window->setGeometry(place);
}

} // namespace

void restoreWindowPlace(QWidget *window, const char *key, const QWidget *beside)
{
    const QByteArray saved = QSettings().value(settingsKey(key)).toByteArray();
    if (!saved.isEmpty() && window->restoreGeometry(saved) && onSomeScreen(window->frameGeometry()))
        return;
    if (beside && beside->isVisible())
        placeBeside(window, beside);
    else
        placeInScreenCentre(window);
}

void saveWindowPlace(const QWidget *window, const char *key)
{
    QSettings().setValue(settingsKey(key), window->saveGeometry());
}

} // namespace ui
