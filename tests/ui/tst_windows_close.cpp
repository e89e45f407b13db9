// The main window's close box ends the program, whatever help windows are
// shown or hidden. A test of its own: once the program is told to end, no
// later event loop of the process would run.
#include "ui/classic/classiclook.h"
#include "ui/classic/helpwindow.h"
#include "ui/classic/mainwindow.h"
#include "ui_testpictures.h"

#include <QtTest>

class WindowsCloseTest : public QObject {
    Q_OBJECT

private slots:
    void closeBoxEndsProgram();
};

void WindowsCloseTest::closeBoxEndsProgram()
{
    ui::applyClassicLook(false);
    auto *main = new ui::MainWindow(uitest::stripPictures());
    main->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<ui::MainWindow> alive = main;
    main->show();
    main->showHelp(reel::HelpWindow::Fsousa);
    main->showHelp(reel::HelpWindow::Fkaisetu);
    QPointer<ui::HelpWindow> sousa = main->helpWindow(reel::HelpWindow::Fsousa);
    QPointer<ui::HelpWindow> kaisetu = main->helpWindow(reel::HelpWindow::Fkaisetu);
    QVERIFY(sousa && kaisetu);
    sousa->hide(); // as OK leaves it

    QEventLoop loop;
    QTimer::singleShot(0, main, &QWidget::close);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 0);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!alive);
    QVERIFY(!sousa);
    QVERIFY(!kaisetu);
}

QTEST_MAIN(WindowsCloseTest)
#include "tst_windows_close.moc"
