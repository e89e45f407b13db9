// The main window `riru`: three reel windows over the strip pictures, the
// play buttons, the messages, the speed boxes and the settings table. It owns
// the controller, the controller's view of it and the four timers.
#pragma once

#include "reel/controller.h"
#include "reel/mainview.h"
#include "ui/classic/lifetime.h"
#include "ui/classic/mainviewadapter.h"
#include "ui/common/qtintervaltimer.h"
#include "ui/pictures/strippictures.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;

namespace ui {

class FormLabel;
class PushButton;
class HelpWindow;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The pictures must have been read; the window opens at rest with all
    // reels at position 0. Without a lifetime of the program's, the window
    // ends the application's event loop itself.
    explicit MainWindow(const StripPictures &pictures, Lifetime *lifetime = nullptr);
    ~MainWindow() override;

    void showCentred();

    reel::MainController &controller() { return *m_controller; }
    const reel::MainController &controller() const { return *m_controller; }

    // The help window if it exists now, shown or hidden.
    HelpWindow *helpWindow(reel::HelpWindow which) const;

    PushButton *button(reel::Button which) const;

    // What the controller does to the window, through its MainViewAdapter
    // (see reel::MainView). Virtual, so that a harness can watch the calls.
    virtual void setCaption(reel::Label label, std::string_view text);
    virtual std::string text(reel::TextBox box) const;
    virtual void setText(reel::TextBox box, std::string_view text);
    virtual void setPictureTop(int reel, float twips);
    virtual float pictureTop(int reel) const;
    virtual void showHelp(reel::HelpWindow window);
    virtual void reportInputError(reel::TextBox box, std::string_view message);
    virtual void quit();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildReelArea(const StripPictures &pictures);
    void connectButtons();
    void discardHelpWindows();
    // The timers' ticks run through the lifetime, as the buttons' handlers do.
    QtIntervalTimer::TickRunner lifetimeRunner();

    QLineEdit *textBox(reel::TextBox box) const;

    std::array<PushButton *, reel::kButtonCount> m_buttons {};
    std::array<QLabel *, 3> m_images {};
    std::array<float, 3> m_pictureTops {};
    FormLabel *m_lbyakumei = nullptr;
    FormLabel *m_lbtamaya = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text3 = nullptr;

    QPointer<HelpWindow> m_kaisetu;
    QPointer<HelpWindow> m_sousa;

    std::unique_ptr<Lifetime> m_ownLifetime;
    Lifetime &m_lifetime;
    // The controller's view and timers: declared before the controller, so
    // that they outlive it; it unhooks the timers when it goes.
    MainViewAdapter m_view { *this };
    QtIntervalTimer m_timer1, m_timer2, m_timer3, m_timer4;
    std::unique_ptr<reel::MainController> m_controller;
};

} // namespace ui
