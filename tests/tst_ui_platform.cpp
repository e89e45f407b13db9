// The Qt side of the reel controller's needs: interval timers with our own
// semantics, and reading the strip pictures from the working directory.
#include "ui/qtintervaltimer.h"
#include "ui/strippictures.h"
#include "ui_testpictures.h"

#include <QtTest>

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
};

void UiPlatformTest::timerStartsDisabled()
{
    ui::QtIntervalTimer timer;
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
    ui::QtIntervalTimer zero, negative, positive, disabled, laterPositive;
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
    ui::QtIntervalTimer timer;
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
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const ui::StripPictures pictures = ui::loadStripPictures();
    QDir::setCurrent(previous);

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
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const ui::StripPictures pictures = ui::loadStripPictures();
    QDir::setCurrent(previous);

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

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const ui::StripPictures pictures = ui::loadStripPictures();
    QDir::setCurrent(previous);

    QVERIFY(!pictures.loaded());
    QVERIFY(!pictures.missing);
    QCOMPARE(pictures.failedFile, QStringLiteral("r2.bmp"));
    QVERIFY(!pictures.images[0].isNull());
    QVERIFY(pictures.images[2].isNull());
}

QTEST_MAIN(UiPlatformTest)
#include "tst_ui_platform.moc"
