#include "ui/common/looks.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace ui {

int pixelsForPoints(double points) { return static_cast<int>(std::lround(points * 4.0 / 3.0)); }

QFont gothicFont(TextFont font)
{
    QFont f;
    f.setFamilies({ QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
        QStringLiteral("Noto Sans CJK JP") });
    f.setPixelSize(pixelsForPoints(font.points));
    f.setBold(font.bold);
    return f;
}

QColor systemColour(SystemColour colour)
{
    const QPalette palette = QGuiApplication::palette();
    switch (colour) {
    case SystemColour::windowBackground: return palette.color(QPalette::Base);
    // Qt has no menu role; menu text is drawn like any other window text.
    case SystemColour::menuText: return palette.color(QPalette::WindowText);
    case SystemColour::windowText: return palette.color(QPalette::WindowText);
    case SystemColour::buttonFace: return palette.color(QPalette::Button);
    case SystemColour::buttonText: return palette.color(QPalette::ButtonText);
    case SystemColour::toolTipText: return palette.color(QPalette::ToolTipText);
    case SystemColour::toolTipBackground: return palette.color(QPalette::ToolTipBase);
    }
    return {};
}

} // namespace ui
