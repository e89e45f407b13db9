// The main window `riru`: three reel windows over the strip pictures, the
// play buttons, the messages, the speed boxes and the settings table. It is
// the controller's view and owns the controller and its four timers.
#pragma once

#include "reel/controller.h"
#include "reel/mainview.h"
#include "ui/lifetime.h"
#include "ui/qtintervaltimer.h"
#include "ui/strippictures.h"

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

class MainWindow : public QWidget, public reel::MainView {
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

    // reel::MainView
    void setEnabled(reel::Button button, bool enabled) override;
    bool isEnabled(reel::Button button) const override;
    void setFocus(reel::Button button) override;
    void setCaption(reel::Label label, std::string_view text) override;
    std::string text(reel::TextBox box) const override;
    void setText(reel::TextBox box, std::string_view text) override;
    void setPictureTop(int reel, float twips) override;
    float pictureTop(int reel) const override;
    void showHelp(reel::HelpWindow window) override;
    void reportInputError(reel::TextBox box, std::string_view message) override;
    void quit() override;

    using QWidget::isEnabled;
    using QWidget::setEnabled;
    using QWidget::setFocus;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildReelArea(const StripPictures &pictures);
    void buildLamps();
    void buildSettingsTable();
    void buildMessages();
    void buildFrameButtons();
    void buildPlayButtons();
    void describeReelButtons();
    void buildSpeedSettings();
    void connectButtons();
    void discardHelpWindows();

    PushButton *button(reel::Button which) const;
    QLineEdit *textBox(reel::TextBox box) const;

    std::array<PushButton *, 15> m_buttons {};
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
    // Declared before the controller, which unhooks them when it goes.
    QtIntervalTimer m_timer1, m_timer2, m_timer3, m_timer4;
    std::unique_ptr<reel::MainController> m_controller;
};

} // namespace ui
