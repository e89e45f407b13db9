#include "ui/play/playbutton.h"

#include <QMouseEvent>

namespace ui {

PlayButton::PlayButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] {
        // The mouse acted already, at the press.
        if (!m_pushedByMouse)
            emit pushed(0);
    });
}

void PlayButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_pushedByMouse = true;
        emit pushed(event->timestamp());
    }
}

// A press that disabled the button, or one dragged off it, ends here
// without a click.
void PlayButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
    m_pushedByMouse = false;
}

} // namespace ui
