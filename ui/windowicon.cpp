#include "ui/windowicon.h"

#include "ui/looks.h"

#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {

// Drawn without antialiasing, in few flat colours, like the 16-colour icon
// the window was designed with.
QPixmap logo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const double scale = size / 32.0;
    painter.scale(scale, scale);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawEllipse(QRect(0, 5, 32, 22));

    QFont name = gothicFont({ 6.75, true });
    name.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 9, 30, 12), Qt::AlignCenter, QStringLiteral("雷光丸"));

    QFont letter = gothicFont({ 6, true });
    letter.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(letter);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(QRect(22, 19, 8, 9), Qt::AlignCenter, QStringLiteral("J"));
    return pixmap;
}

} // namespace

QIcon logoIcon()
{
    QIcon icon;
    icon.addPixmap(logo(32));
    icon.addPixmap(logo(64));
    return icon;
}

} // namespace ui
