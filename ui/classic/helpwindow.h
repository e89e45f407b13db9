// What the two help windows share: a fixed-size window with a title bar and a
// close box, the program's icon, and an OK button that only hides it (Esc
// does the same, as in any dialog).
#pragma once

#include <QWidget>

namespace ui {

class PushButton;
struct Form;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Built from the form's table; its button "Command1" is OK and has the
    // focus. The close box discards the window; OK keeps it for the next
    // showing.
    explicit HelpWindow(const Form &form);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    PushButton *m_ok = nullptr;
};

} // namespace ui
