#include "ui/titlewindow.h"

#include "ui/formbuilder.h"
#include "ui/formlabel.h"
#include "ui/pushbutton.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace ui {

TitleWindow::TitleWindow(std::function<void()> onOk, std::function<void()> onClose)
    // A dialog frame without a title bar: no title, icon or close box.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_onOk(std::move(onOk))
    , m_onClose(std::move(onClose))
{
    setUpForm(this, "Form4", 6075, 3450);
    setAttribute(Qt::WA_DeleteOnClose);

    FormBuilder form(this);
    auto *title = form.label("Label1", { 240, 240, 5655, 495 },
        QStringLiteral("雷光丸職人への道 （順押し版）"), { 20.25, true });
    title->setColours(QColor(0, 0, 255), systemColour(SystemColour::ToolTipBackground));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *warning
        = form.label("Label5", { 600, 1080, 1095, 255 }, QStringLiteral("注意！"), { 11.25, true });
    warning->setColours(QColor(255, 0, 0), systemColour(SystemColour::ButtonFace));

    auto *disclaimer = form.label("Label4", { 480, 1440, 4695, 855 },
        QStringLiteral(
            "   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による 、"
            "実践等における負債、      トラブル等は、、一切責任を負えません。                      "
            " "
            "自分の責任において、雷光丸職人を目指して下さい。"),
        { 9.75, false });
    disclaimer->setColours(QColor(192, 0, 0), systemColour(SystemColour::ButtonFace));
    disclaimer->setLineBreakAtBlanks(2);

    auto *ok
        = form.button("Command1", { 2160, 2520, 1575, 615 }, QStringLiteral("ＯＫ"), { 18, true });
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
