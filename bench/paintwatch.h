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
};
