#include "ui/classic/mainviewadapter.h"

#include "ui/classic/mainwindow.h"
#include "ui/classic/pushbutton.h"

namespace ui {

void MainViewAdapter::setEnabled(reel::Button button, bool enabled)
{
    m_window.button(button)->setEnabled(enabled);
}

bool MainViewAdapter::isEnabled(reel::Button button) const
{
    return m_window.button(button)->isEnabled();
}

void MainViewAdapter::setFocus(reel::Button button)
{
    m_window.button(button)->setFocus(Qt::OtherFocusReason);
}

void MainViewAdapter::setCaption(reel::Label label, std::string_view text)
{
    m_window.setCaption(label, text);
}

std::string MainViewAdapter::text(reel::TextBox box) const { return m_window.text(box); }

void MainViewAdapter::setText(reel::TextBox box, std::string_view text)
{
    m_window.setText(box, text);
}

void MainViewAdapter::setPictureTop(int reel, float twips) { m_window.setPictureTop(reel, twips); }

float MainViewAdapter::pictureTop(int reel) const { return m_window.pictureTop(reel); }

void MainViewAdapter::showHelp(reel::HelpWindow window) { m_window.showHelp(window); }

void MainViewAdapter::reportInputError(reel::TextBox box, std::string_view message)
{
    m_window.reportInputError(box, message);
}

void MainViewAdapter::quit() { m_window.quit(); }

} // namespace ui
