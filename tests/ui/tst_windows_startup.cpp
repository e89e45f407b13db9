// The start of the program: the title window, its OK, and the main window
// with the pictures of the working directory, or the report of a missing one.
#include "ui/app/program.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/mainwindow.h"
#include "ui_testpictures.h"

#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

namespace {

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

QPoint screenCentre() { return QGuiApplication::primaryScreen()->availableGeometry().center(); }

} // namespace

class WindowsStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void titleWindowHandsOverToMainWindow();
    void missingPictureEndsProgram();

private:
    QString m_previousDir;
};

void WindowsStartupTest::initTestCase()
{
    ui::applyClassicLook(false);
    m_previousDir = QDir::currentPath();
}

void WindowsStartupTest::cleanupTestCase() { QDir::setCurrent(m_previousDir); }

void WindowsStartupTest::titleWindowHandsOverToMainWindow()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path())));
    QVERIFY(QDir::setCurrent(dir.path()));

    ui::Lifetime lifetime([](int) { QFAIL("the program ended"); }, [](const QString &) {});
    ui::Program program(lifetime);
    program.start();
    QPointer<QWidget> title = topLevel(QStringLiteral("Form4"));
    QVERIFY(title);
    QVERIFY(title->isVisible());
    QVERIFY(!topLevel(QStringLiteral("riru")));
    QVERIFY((title->geometry().center() - screenCentre()).manhattanLength() <= 2);
    QVERIFY(QTest::qWaitForWindowActive(title));
    QWidget *ok = title->findChild<QWidget *>(QStringLiteral("Command1"));
    QCOMPARE(QApplication::focusWidget(), ok);

    // Enter presses OK: the title window is gone before the main window is
    // made.
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(!title->isVisible());
    QVERIFY(!topLevel(QStringLiteral("riru")));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!title);

    auto *main = qobject_cast<ui::MainWindow *>(topLevel(QStringLiteral("riru")));
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(!main->parentWidget());
    QVERIFY((main->geometry().center() - screenCentre()).manhattanLength() <= 2);
    for (int reel = 0; reel < 3; ++reel) {
        auto *image = main->findChild<QLabel *>(QStringLiteral("Image%1").arg(reel + 1));
        const QImage shown = image->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(100, 1680));
        QCOMPARE(shown.pixel(50, 900), uitest::rowColour(reel, 900));
    }
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmstart"));
    QCOMPARE(program.mainWindow(), main);
}

// The report comes after the title window is gone, and the program ends with
// status 1 without a main window.
void WindowsStartupTest::missingPictureEndsProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path()), { 0, 2 }));
    QVERIFY(QDir::setCurrent(dir.path()));

    QStringList reports;
    QList<int> exits;
    bool titleShownWithReport = true;
    ui::Lifetime lifetime([&exits](int status) { exits << status; },
        [&](const QString &description) {
            reports << description;
            QWidget *title = topLevel(QStringLiteral("Form4"));
            titleShownWithReport = title && title->isVisible();
        });
    ui::Program program(lifetime);
    program.start();
    QWidget *title = topLevel(QStringLiteral("Form4"));
    QVERIFY(title);
    QTest::keyClick(title->findChild<QWidget *>(QStringLiteral("Command1")), Qt::Key_Return);
    QTRY_COMPARE(exits, QList<int> { 1 });

    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains(QStringLiteral("r2.bmp")), qPrintable(reports[0]));
    QVERIFY2(
        reports[0].contains(QDir::toNativeSeparators(QDir::currentPath())), qPrintable(reports[0]));
    QVERIFY(!titleShownWithReport);
    QVERIFY(!topLevel(QStringLiteral("riru")));
    QVERIFY(!program.mainWindow());
}

QTEST_MAIN(WindowsStartupTest)
#include "tst_windows_startup.moc"
