#include "ui/classic/playkeys.h"

#include "reel/buttons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

struct PlayKey {
    reel::Button button;
    Qt::Key arrow;
    char letter; // matched by the typed character, so any keyboard layout works
    const char *toolTip;
};

constexpr PlayKey kPlayKeys[] = {
    { reel::Button::cmstart, Qt::Key_Up, 0, "リールを回します（↑ キー）" },
    { reel::Button::r1stop, Qt::Key_Left, 'z', "左リールを止めます（← または Z キー）" },
    { reel::Button::r2stop, Qt::Key_Down, 'x', "中リールを止めます（↓ または X キー）" },
    { reel::Button::r3stop, Qt::Key_Right, 'c', "右リールを止めます（→ または C キー）" },
};

const PlayKey *playKeyOf(const QKeyEvent &event)
{
    // Shift and Caps Lock still make Z a Z; with Ctrl, Alt or Meta it is
    // another command.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return nullptr;
    const QString text = event.text();
    const QChar typed = text.size() == 1 ? text.front().toLower() : QChar();
    for (const PlayKey &key : kPlayKeys) {
        if (event.key() == key.arrow || (key.letter && typed == QLatin1Char(key.letter)))
            return &key;
    }
    return nullptr;
}

} // namespace

PlayKeys::PlayKeys(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    for (const PlayKey &key : kPlayKeys) {
        if (auto *button
            = window->findChild<QAbstractButton *>(QLatin1String(reel::objectName(key.button))))
            button->setToolTip(QString::fromUtf8(key.toolTip));
    }
    // On the application: a key goes first to whichever control has the
    // focus, and buttons would take the arrows to move the focus.
    QCoreApplication::instance()->installEventFilter(this);
}

bool PlayKeys::belongsToWindow(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->window() == m_window;
}

bool PlayKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !belongsToWindow(watched))
        return false;
    // A speed box edits its text with every key.
    if (qobject_cast<QLineEdit *>(m_window->focusWidget()))
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    const PlayKey *play = playKeyOf(key);
    auto *button = play
        ? m_window->findChild<QAbstractButton *>(QLatin1String(reel::objectName(play->button)))
        : nullptr;
    if (!button)
        return false;
    // Played at once, as a click: the button takes the focus, then its
    // handler runs and may pass the focus on. A held key plays once.
    if (!key.isAutoRepeat() && button->isEnabled()) {
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    }
    return true;
}

} // namespace ui
