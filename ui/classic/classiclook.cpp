#include "ui/classic/classiclook.h"

#include "ui/common/looks.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstring>

namespace ui {

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
