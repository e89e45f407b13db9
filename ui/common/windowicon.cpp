#include "ui/common/windowicon.h"

#include "ui/common/looks.h"

#include <QPainter>
#include <QPixmap>

namespace ui {

// At 32 pixels it is drawn without antialiasing, in few flat colours, like
// the 16-colour icon the window was designed with; larger renderings (for
// desktop menus) are smoothed.
QPixmap logoPixmap(int size)
{
    const bool smooth = size > 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    const double scale = size / 32.0;
    painter.scale(scale, scale);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawEllipse(QRect(0, 5, 32, 22));

    QFont name = gothicFont({ 6.75, true });
    name.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 9, 30, 12), Qt::AlignCenter, QStringLiteral("雷光丸"));

    QFont letter = gothicFont({ 6, true });
    letter.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    painter.setFont(letter);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(QRect(22, 19, 8, 9), Qt::AlignCenter, QStringLiteral("J"));
    return pixmap;
}

QIcon logoIcon()
{
    QIcon icon;
    icon.addPixmap(logoPixmap(32));
    icon.addPixmap(logoPixmap(64));
    return icon;
}

} // namespace ui
