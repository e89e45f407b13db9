// A button of the play window: it never takes the keyboard focus (the keys
// belong to the window, so Space and Enter never press a focused button), and
// it acts the moment the mouse button goes down, with the event's stamp, as a
// stop must. A click from elsewhere (an assistive tool) acts too, unstamped.
#pragma once

#include <QPushButton>

namespace ui {

class PlayButton : public QPushButton {
    Q_OBJECT
public:
    explicit PlayButton(const QString &text, QWidget *parent = nullptr);

signals:
    // `stamp`: the window system's time of the press, 0 when it has none.
    void pushed(quint64 stamp);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pushedByMouse = false;
};

} // namespace ui
