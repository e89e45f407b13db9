// Auto-play for minutes at the fastest pace the speed boxes allow (1 ms per
// cell, 1 ms between stops) on the real main window, watching whether objects
// or memory pile up.
//
//   QT_QPA_PLATFORM=offscreen build-perf/bin/soak_autoplay [seconds]
#include "ui/classic/classiclook.h"
#include "ui/classic/mainwindow.h"
#include "ui/pictures/strippictures.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class CountingMainWindow : public ui::MainWindow {
public:
    using ui::MainWindow::MainWindow;

    long long spinMoves = 0;
    long long judgementsShown = 0;

    void setPictureTop(int reel, float twips) override
    {
        ++spinMoves;
        ui::MainWindow::setPictureTop(reel, twips);
    }
    void setCaption(reel::Label label, std::string_view text) override
    {
        if (label == reel::Label::lbyakumei && !text.empty())
            ++judgementsShown;
        ui::MainWindow::setCaption(label, text);
    }
};

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void sample(const char *when, const CountingMainWindow &window, int seconds)
{
    std::printf("%-10s t=%4d s  objects under the main window %lld, top-level widgets %lld, "
                "RSS %ld KiB, picture moves %lld, judgements shown %lld\n",
        when, seconds, static_cast<long long>(window.findChildren<QObject *>().size()),
        static_cast<long long>(QApplication::topLevelWidgets().size()), residentKilobytes(),
        window.spinMoves, window.judgementsShown);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool userChoseStyle = ui::styleChosenByUser(argc, argv);
    QApplication app(argc, argv);
    ui::applyClassicLook(userChoseStyle);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 180;

    const ui::StripPictures pictures
        = ui::loadStripPicturesFrom(QStringLiteral(REACHME_DATA_DIR), qApp->devicePixelRatio());
    if (!pictures.loaded())
        return 2;

    CountingMainWindow window(pictures);
    window.showCentred();
    waitFor(500);
    sample("opened", window, 0);

    window.setText(reel::TextBox::Text1, "1");
    window.setText(reel::TextBox::Text3, "1");
    window.controller().autostart_Click();
    // The first cycles fill the caches of fonts and glyphs; growth is judged
    // from the end of this warm-up on.
    constexpr int kWarmUp = 10;
    waitFor(kWarmUp * 1000);
    sample("warmed up", window, kWarmUp);
    for (int t = kWarmUp; t < seconds;) {
        const int step = std::min(30, seconds - t);
        waitFor(step * 1000);
        t += step;
        sample("running", window, t);
    }
    window.controller().autostop_Click();
    waitFor(200);
    sample("stopped", window, seconds);
    return 0;
}
