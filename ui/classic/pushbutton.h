// Push buttons that Enter presses exactly as a click does, in any window, and
// the graphical kind that paints its face in a colour of its own.
#pragma once

#include <QPushButton>

namespace ui {

class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class GraphicalButton : public PushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString &caption, const QColor &face, QWidget *parent);

    QColor faceColour() const { return m_face; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};

} // namespace ui
