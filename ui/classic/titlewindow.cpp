#include "ui/classic/titlewindow.h"

#include "ui/classic/forms/form.h"
#include "ui/classic/pushbutton.h"
#include "ui/classic/screencentre.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace ui {

TitleWindow::TitleWindow(std::function<void()> onOk, std::function<void()> onClose)
    // A dialog frame without a title bar: no title, icon or close box.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_onOk(std::move(onOk))
    , m_onClose(std::move(onClose))
{
    setUpForm(this, kTitleForm);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(this, kTitleForm);

    auto *ok = findChild<PushButton *>(QStringLiteral("Command1"));
    ok->setFocus();
    connect(ok, &PushButton::clicked, this, [this] {
        m_okPressed = true;
        close();
    });
}

void TitleWindow::showCentred()
{
    placeInScreenCentre(this);
    show();
}

// The window system's close command, with no other window yet, ends the
// program; OK goes on to the main window.
void TitleWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_okPressed) {
        if (m_onOk)
            QMetaObject::invokeMethod(QCoreApplication::instance(), m_onOk, Qt::QueuedConnection);
    } else if (m_onClose) {
        m_onClose();
    }
}

} // namespace ui
