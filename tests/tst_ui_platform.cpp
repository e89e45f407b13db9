// The Qt side of the reel controller's needs: interval timers with our own
// semantics, and reading the strip pictures from the working directory.
#include "ui/lifetime.h"
#include "ui/looks.h"
#include "ui/qtintervaltimer.h"
#include "ui/strippictures.h"
#include "ui_testpictures.h"

#include <QMessageBox>
#include <QtTest>

#include <stdexcept>

class UiPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void timerStartsDisabled();
    void timerTicksOnlyWithPositiveInterval();
    void timerThatDisablesItselfStopsTicking();
    void picturesAreReadInOrder();
    void missingPictureNamesFileAndDirectory_data();
    void missingPictureNamesFileAndDirectory();
    void unreadablePictureIsNotMissing();
    void styleChosenByUser_data();
    void styleChosenByUser();
    void runTimeErrorIsReportedAndEndsProgram();

private:
    // The timers under test live in a program that never ends.
    ui::Lifetime m_lifetime { [](int) { QFAIL("the program ended"); }, [](const QString &) {} };
};

void UiPlatformTest::timerStartsDisabled()
{
    ui::QtIntervalTimer timer(m_lifetime);
    QVERIFY(!timer.isEnabled());
    QCOMPARE(timer.interval(), 0);
    timer.setInterval(-3);
    timer.setEnabled(true);
    QVERIFY(timer.isEnabled());
    QCOMPARE(timer.interval(), -3);
}

// One short real-time window watches every case at once.
void UiPlatformTest::timerTicksOnlyWithPositiveInterval()
{
    ui::QtIntervalTimer zero(m_lifetime), negative(m_lifetime), positive(m_lifetime),
        disabled(m_lifetime), laterPositive(m_lifetime);
    int zeroTicks = 0, negativeTicks = 0, positiveTicks = 0, disabledTicks = 0, laterTicks = 0;
    zero.onTick = [&] { ++zeroTicks; };
    negative.onTick = [&] { ++negativeTicks; };
    positive.onTick = [&] { ++positiveTicks; };
    disabled.onTick = [&] { ++disabledTicks; };
    laterPositive.onTick = [&] { ++laterTicks; };

    zero.setInterval(0);
    zero.setEnabled(true);
    negative.setInterval(-100);
    negative.setEnabled(true);
    positive.setInterval(10);
    positive.setEnabled(true);
    disabled.setInterval(10);
    laterPositive.setEnabled(true); // interval 0 until set below

    QTest::qWait(80);
    QCOMPARE(zeroTicks, 0);
    QCOMPARE(negativeTicks, 0);
    QVERIFY(positiveTicks >= 1);
    QCOMPARE(disabledTicks, 0);
    QCOMPARE(laterTicks, 0);
    QVERIFY(zero.isEnabled());
    QVERIFY(negative.isEnabled());

    // An enabled timer given a usable interval starts ticking; one switched
    // to 0 stops.
    laterPositive.setInterval(10);
    positive.setInterval(0);
    const int positiveBefore = positiveTicks;
    QTest::qWait(80);
    QVERIFY(laterTicks >= 1);
    QCOMPARE(positiveTicks, positiveBefore);
    QVERIFY(positive.isEnabled());
}

void UiPlatformTest::timerThatDisablesItselfStopsTicking()
{
    ui::QtIntervalTimer timer(m_lifetime);
    int ticks = 0;
    timer.onTick = [&] {
        ++ticks;
        timer.setEnabled(false);
    };
    timer.setInterval(5);
    timer.setEnabled(true);
    QTest::qWait(60);
    QCOMPARE(ticks, 1);
    QVERIFY(!timer.isEnabled());
}

void UiPlatformTest::picturesAreReadInOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path())));
    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());

    QVERIFY(pictures.loaded());
    for (int reel = 0; reel < 3; ++reel) {
        const QImage &image = pictures.images[std::size_t(reel)];
        QCOMPARE(image.size(), QSize(uitest::kPictureWidth, uitest::kPictureHeight));
        for (int row : { 0, 64, 65, 1429, 1679 })
            QCOMPARE(image.pixel(50, row), uitest::rowColour(reel, row));
    }
}

void UiPlatformTest::missingPictureNamesFileAndDirectory_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QString>("failed");
    QTest::newRow("none") << QList<int> {} << QStringLiteral("r1.bmp");
    QTest::newRow("r2.bmp missing") << QList<int> { 0, 2 } << QStringLiteral("r2.bmp");
    QTest::newRow("r3.bmp missing") << QList<int> { 0, 1 } << QStringLiteral("r3.bmp");
}

void UiPlatformTest::missingPictureNamesFileAndDirectory()
{
    QFETCH(QList<int>, present);
    QFETCH(QString, failed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (int reel : present)
        QVERIFY(uitest::writeStripPictures(QDir(dir.path()), { reel }));
    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());

    QVERIFY(!pictures.loaded());
    QVERIFY(pictures.missing);
    QCOMPARE(pictures.failedFile, failed);
    const QString absoluteDir = QFileInfo(dir.path()).canonicalFilePath();
    QCOMPARE(QFileInfo(pictures.directory).canonicalFilePath(), absoluteDir);
    QVERIFY(QDir::isAbsolutePath(pictures.directory));
    const QString message = pictures.errorMessage();
    QVERIFY2(message.contains(failed), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(pictures.directory)), qPrintable(message));
}

void UiPlatformTest::unreadablePictureIsNotMissing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path()), { 0, 2 }));
    QFile notAPicture(QDir(dir.path()).filePath(QStringLiteral("r2.bmp")));
    QVERIFY(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("BM but nothing more");
    notAPicture.close();

    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());

    QVERIFY(!pictures.loaded());
    QVERIFY(!pictures.missing);
    QCOMPARE(pictures.failedFile, QStringLiteral("r2.bmp"));
    QVERIFY(!pictures.images[0].isNull());
    QVERIFY(pictures.images[2].isNull());
}

void UiPlatformTest::styleChosenByUser_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("override"); // QT_STYLE_OVERRIDE
    QTest::addColumn<bool>("chosen");
    QTest::newRow("nothing") << QStringList {} << QByteArray() << false;
    QTest::newRow("-style fusion") << QStringList { "-style", "fusion" } << QByteArray() << true;
    QTest::newRow("-style=fusion") << QStringList { "-style=fusion" } << QByteArray() << true;
    QTest::newRow("--style fusion") << QStringList { "--style", "fusion" } << QByteArray() << true;
    QTest::newRow("other options")
        << QStringList { "-platform", "xcb", "-stylesheet", "a.qss" } << QByteArray() << false;
    QTest::newRow("QT_STYLE_OVERRIDE") << QStringList {} << QByteArray("fusion") << true;
}

void UiPlatformTest::styleChosenByUser()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, override);
    QFETCH(bool, chosen);

    std::vector<QByteArray> storage { QByteArray("reachme") };
    for (const QString &a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());

    const QByteArray saved = qgetenv("QT_STYLE_OVERRIDE");
    if (override.isEmpty())
        qunsetenv("QT_STYLE_OVERRIDE");
    else
        qputenv("QT_STYLE_OVERRIDE", override);
    const bool result = ui::styleChosenByUser(int(argv.size()), argv.data());
    if (saved.isEmpty())
        qunsetenv("QT_STYLE_OVERRIDE");
    else
        qputenv("QT_STYLE_OVERRIDE", saved);
    QCOMPARE(result, chosen);
}

// A handler's exception becomes one report, the program ends with status 1,
// and timers stop calling into the program.
void UiPlatformTest::runTimeErrorIsReportedAndEndsProgram()
{
    QStringList reports;
    QList<int> exits;
    ui::Lifetime lifetime([&exits](int status) { exits << status; },
        [&reports](const QString &description) { reports << description; });
    lifetime.run([] { throw std::overflow_error("16-bit overflow"); });
    lifetime.run([] { throw std::overflow_error("a second error"); });
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains(QStringLiteral("16-bit overflow")), qPrintable(reports[0]));
    QCOMPARE(exits, QList<int> { 1 });
    QVERIFY(lifetime.ending());

    ui::QtIntervalTimer timer(lifetime);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.setInterval(5);
    timer.setEnabled(true);
    QTest::qWait(30);
    QCOMPARE(ticks, 0);
}

QTEST_MAIN(UiPlatformTest)
#include "tst_ui_platform.moc"
