#include "ui/startup.h"

#include "ui/mainwindow.h"
#include "ui/runtimeerror.h"
#include "ui/strippictures.h"
#include "ui/titlewindow.h"

namespace ui {

void startProgram()
{
    auto *title = new TitleWindow([] { openMainWindow(); });
    title->showCentred();
}

MainWindow *openMainWindow()
{
    const StripPictures pictures = loadStripPictures();
    if (!pictures.loaded()) {
        reportRunTimeError(pictures.errorMessage());
        return nullptr;
    }
    // Lives until the program ends.
    auto *window = new MainWindow(pictures);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showCentred();
    return window;
}

} // namespace ui
