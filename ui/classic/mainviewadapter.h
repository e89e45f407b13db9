// The main window as the controller sees it: each reel::MainView call handed
// to the window's own member of the same purpose.
#pragma once

#include "reel/mainview.h"

namespace ui {

class MainWindow;

class MainViewAdapter final : public reel::MainView {
public:
    explicit MainViewAdapter(MainWindow &window)
        : m_window(window)
    { }

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

private:
    MainWindow &m_window;
};

} // namespace ui
