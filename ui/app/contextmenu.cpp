#include "ui/app/contextmenu.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

namespace ui {

ContextMenu::ContextMenu(QWidget *window, const QList<QAction *> &actions)
    : QObject(window)
    , m_window(window)
    , m_menu(new QMenu(window))
{
    m_menu->addActions(actions);
    // Mouse events reach the window before any of its controls: a disabled
    // control gets none, and a control that takes focus on a click would take
    // it before an event filter of its own could refuse.
    window->winId();
    window->windowHandle()->installEventFilter(this);
}

bool ContextMenu::isTextBox(const QPoint &windowPos) const
{
    for (QWidget *w = m_window->childAt(windowPos); w && w != m_window; w = w->parentWidget())
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w)
            || qobject_cast<QAbstractSpinBox *>(w))
            return true;
    return false;
}

bool ContextMenu::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    if (type == QEvent::MouseButtonRelease)
        return std::exchange(m_swallowRelease, false);
    if (isTextBox(mouse->position().toPoint()))
        return false;
    m_swallowRelease = true;
    if (type == QEvent::MouseButtonPress)
        m_menu->popup(mouse->globalPosition().toPoint());
    return true;
}

} // namespace ui
