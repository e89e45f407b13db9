#include "ui/helpwindow.h"

#include "ui/formbuilder.h"
#include "ui/pushbutton.h"
#include "ui/windowicon.h"

#include <QKeyEvent>

namespace ui {

HelpWindow::HelpWindow(const char *name, const QString &title, int widthTwips, int heightTwips)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setUpForm(this, name, widthTwips, heightTwips);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(logoIcon());
}

void HelpWindow::setOkButton(PushButton *ok)
{
    m_ok = ok;
    connect(ok, &PushButton::clicked, this, &QWidget::hide);
    ok->setFocus();
}

// Esc reaches the window when the focused control has no use for it.
void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_ok && event->matches(QKeySequence::Cancel)) {
        m_ok->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ui
