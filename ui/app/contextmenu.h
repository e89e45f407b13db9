// A right-click anywhere in a window — over disabled controls and the frame
// too, but not in its text boxes, which keep their own menu — opens a menu of
// the program's actions. The click moves no focus and reaches no control.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace ui {

class ContextMenu : public QObject {
    Q_OBJECT
public:
    // Lives as long as `window`.
    ContextMenu(QWidget *window, const QList<QAction *> &actions);

    QMenu *menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isTextBox(const QPoint &windowPos) const;

    QWidget *m_window;
    QMenu *m_menu;
    bool m_swallowRelease = false;
};

} // namespace ui
