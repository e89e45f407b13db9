#include "ui/helpwindow.h"

#include "ui/forms/form.h"
#include "ui/pushbutton.h"
#include "ui/windowicon.h"

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

    auto *ok = findChild<PushButton *>(QStringLiteral("Command1"));
    connect(ok, &PushButton::clicked, this, &QWidget::hide);
    ok->setFocus();
}

} // namespace ui
