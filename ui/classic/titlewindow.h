// The title window: the program's title, a disclaimer and OK. OK closes it
// for good and only then lets the program go on.
#pragma once

#include <QWidget>

#include <functional>

namespace ui {

class TitleWindow : public QWidget {
    Q_OBJECT
public:
    // `onOk` runs once the window is closed by OK, `onClose` when the window
    // system closes it; the window is then deleted.
    TitleWindow(std::function<void()> onOk, std::function<void()> onClose);

    // Shows the window in the middle of the screen.
    void showCentred();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_onOk;
    std::function<void()> m_onClose;
    bool m_okPressed = false;
};

} // namespace ui
