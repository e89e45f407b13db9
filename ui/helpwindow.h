// What the two help windows share: a fixed-size window with a title bar and a
// close box, the program's icon, and an OK button that only hides it (Esc
// does the same, as in any dialog).
#pragma once

#include <QWidget>

namespace ui {

class PushButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The close box discards the window; OK keeps it for the next showing.
    HelpWindow(const char *name, const QString &title, int widthTwips, int heightTwips);

protected:
    // Wires OK to hide the window and gives it the focus.
    void setOkButton(PushButton *ok);

    void keyPressEvent(QKeyEvent *event) override;

private:
    PushButton *m_ok = nullptr;
};

} // namespace ui
