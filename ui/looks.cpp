#include "ui/looks.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <cmath>
#include <cstring>

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
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    // Qt has no menu role; menu text is drawn like any other window text.
    case SystemColour::MenuText: return palette.color(QPalette::WindowText);
    case SystemColour::WindowText: return palette.color(QPalette::WindowText);
    case SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
    case SystemColour::ToolTipText: return palette.color(QPalette::ToolTipText);
    case SystemColour::ToolTipBackground: return palette.color(QPalette::ToolTipBase);
    }
    return {};
}

bool styleChosenByUser(int argc, char **argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        return true;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "-style") == 0 || std::strcmp(arg, "--style") == 0
            || std::strncmp(arg, "-style=", 7) == 0 || std::strncmp(arg, "--style=", 8) == 0)
            return true;
    }
    return false;
}

void applyClassicLook(bool userChoseStyle)
{
    if (!userChoseStyle) {
        if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows")))
            QApplication::setStyle(windows);
    }
    QApplication::setFont(gothicFont({ 9, false }));
}

} // namespace ui
