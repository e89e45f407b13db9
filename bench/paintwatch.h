// An application that notes when one widget (a list's viewport) has finished
// its first paint event after `clock` started, for the windows' first-paint
// benchmarks.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

class PaintWatch : public QApplication {
public:
    using QApplication::QApplication;
    QWidget *watched = nullptr;
    qint64 paintEnd = -1; // nanoseconds on `clock`
    QElapsedTimer clock;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool result = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && receiver == watched && paintEnd < 0)
            paintEnd = clock.nsecsElapsed();
        return result;
    }

    struct FirstPaint {
        double viewportMs; // show() → the end of the watched widget's first paint
        double roundMs; // show() → the end of that round of paints and the flush
    };
    // Shows `window` and times its first paint, watching `viewport`.
    FirstPaint showAndTime(QWidget &window, QWidget *viewport)
    {
        watched = viewport;
        paintEnd = -1;
        clock.start();
        window.show();
        while (paintEnd < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double viewportMs = double(paintEnd) / 1e6;
        QCoreApplication::processEvents(); // the rest of that round's paints and the flush
        return { viewportMs, double(clock.nsecsElapsed()) / 1e6 };
    }
};
