#include "ui/classic/helpwindow.h"

#include "ui/classic/forms/form.h"
#include "ui/classic/pushbutton.h"
#include "ui/common/windowicon.h"

#include <QKeyEvent>

namespace ui {

HelpWindow::HelpWindow(const Form &form)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setUpForm(this, form);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(form.title));
    setWindowIcon(logoIcon());
    buildControls(this, form);

    m_ok = findChild<PushButton *>(QStringLiteral("Command1"));
    connect(m_ok, &PushButton::clicked, this, &QWidget::hide);
    m_ok->setFocus();
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
