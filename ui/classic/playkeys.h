// The main window's play keys, as on a machine: ↑ is the lever (start), and
// ←, ↓, → or Z, X, C the left, centre and right stop buttons.
#pragma once

#include <QObject>

class QWidget;

namespace ui {

class PlayKeys : public QObject {
    Q_OBJECT
public:
    // Serves `window` and every control in it, and names the keys in the
    // buttons' tooltips. The buttons are found by their objectNames.
    explicit PlayKeys(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool belongsToWindow(QObject *object) const;

    QWidget *m_window;
};

} // namespace ui
