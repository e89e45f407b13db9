// The Qt side of the reel controller's needs: interval timers with our own
// semantics, and reading the strip pictures from the working directory.
#include "ui/classic/classiclook.h"
#include "ui/classic/lifetime.h"
#include "ui/classic/mainwindow.h"
#include "ui/common/qtintervaltimer.h"
#include "ui/pictures/picturefolders.h"
#include "ui/pictures/strippictures.h"
#include "ui_testpictures.h"

#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include <stdexcept>

namespace {

// Set in a copy of this test that only reports which pictures it finds.
constexpr char kReportPicturesOnly[] = "REACHME_TEST_REPORT_PICTURES";

// What stands beside r1.bmp as r1@2x.bmp.
enum class Sharp { none, exact, eightOff, nineOff, broken, wrongSize, folder };

} // namespace

Q_DECLARE_METATYPE(Sharp)

class UiPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void timerStartsDisabled();
    void timerTicksOnlyWithPositiveInterval();
    void timerThatDisablesItselfStopsTicking();
    void picturesAreReadInOrder();
    void missingPictureNamesFileAndDirectory_data();
    void missingPictureNamesFileAndDirectory();
    void unreadablePictureIsNotMissing();
    void sharpPictureIsChosen_data();
    void sharpPictureIsChosen();
    void installedPicturesAreFoundFromProgramPlace_data();
    void installedPicturesAreFoundFromProgramPlace();
    void styleChosenByUser_data();
    void styleChosenByUser();
    void runTimeErrorIsReportedAndEndsProgram();
};

// The copy started by installedPicturesAreFoundFromProgramPlace: one line
// each for the folder, the failed file, and which reel's colours r1.bmp … r3.bmp
// have; then the program ends.
void UiPlatformTest::initTestCase()
{
    if (!qEnvironmentVariableIsSet(kReportPicturesOnly))
        return;
    const ui::StripPictures pictures = ui::loadStripPictures(1);
    QTextStream out(stdout);
    out << kReportPicturesOnly << '\n' << pictures.directory << '\n' << pictures.failedFile << '\n';
    for (const QImage &image : pictures.images)
        out << (image.isNull() ? -1
                               : qGreen(image.pixel(50, 900)) - qGreen(uitest::rowColour(0, 900)))
            << ' ';
    out << '\n' << pictures.errorMessage() << Qt::endl;
    std::exit(0);
}

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
    QCOMPARE(pictures.problem, ui::PictureProblem::missing);
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
    QCOMPARE(pictures.problem, ui::PictureProblem::notAPicture);
    QCOMPARE(pictures.failedFile, QStringLiteral("r2.bmp"));
    QVERIFY(!pictures.images[0].isNull());
    QVERIFY(pictures.images[2].isNull());
}

void UiPlatformTest::sharpPictureIsChosen_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<Sharp>("sharp");
    QTest::addColumn<bool>("used");
    QTest::addColumn<bool>("warned");
    QTest::newRow("ratio 1") << 1.0 << Sharp::exact << false << false;
    QTest::newRow("ratio 2") << 2.0 << Sharp::exact << true << false;
    QTest::newRow("ratio 1.5") << 1.5 << Sharp::exact << true << false;
    QTest::newRow("ratio 2, none there") << 2.0 << Sharp::none << false << false;
    QTest::newRow("ratio 2, 8 off") << 2.0 << Sharp::eightOff << true << false;
    QTest::newRow("ratio 2, 9 off") << 2.0 << Sharp::nineOff << false << true;
    QTest::newRow("ratio 2, broken") << 2.0 << Sharp::broken << false << true;
    QTest::newRow("ratio 2, three times the size") << 2.0 << Sharp::wrongSize << false << true;
    QTest::newRow("ratio 2, a folder") << 2.0 << Sharp::folder << false << true;
    QTest::newRow("ratio 1, broken") << 1.0 << Sharp::broken << false << false;
}

// r1@2x.bmp stands in for r1.bmp only on a high-density screen and only when
// it shows the same picture; otherwise r1.bmp is shown after one warning.
// Either way the reel is shown at the same logical size.
void UiPlatformTest::sharpPictureIsChosen()
{
    QFETCH(qreal, ratio);
    QFETCH(Sharp, sharp);
    QFETCH(bool, used);
    QFETCH(bool, warned);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path())));
    const QString path = QDir(dir.path()).filePath(QStringLiteral("r1@2x.bmp"));
    QImage twice = uitest::stripPicture(0).scaled(200, 3360).convertToFormat(QImage::Format_RGB888);
    switch (sharp) {
    case Sharp::none:
    case Sharp::exact: break;
    case Sharp::eightOff:
    case Sharp::nineOff:
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                twice.setPixel(x, y, twice.pixel(x, y) + (sharp == Sharp::eightOff ? 8 : 9));
        break;
    case Sharp::broken: twice = QImage(); break;
    case Sharp::wrongSize: twice = twice.scaled(300, 5040); break;
    case Sharp::folder: QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("r1@2x.bmp"))); break;
    }
    if (sharp == Sharp::broken) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("BM nothing") > 0);
    } else if (sharp != Sharp::none && sharp != Sharp::folder)
        QVERIFY(twice.save(path, "BMP"));

    if (warned)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("r1@2x\\.bmp")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path(), ratio);

    QVERIFY(pictures.loaded());
    const QImage &image = pictures.images[0];
    QCOMPARE(image.devicePixelRatio(), used ? 2.0 : 1.0);
    QCOMPARE(image.size(), used ? QSize(200, 3360) : QSize(100, 1680));
    QCOMPARE(qBlue(image.pixel(0, 0)), sharp == Sharp::eightOff && used ? 0xE7 + 8 : 0xE7);
    QCOMPARE(pictures.images[1].devicePixelRatio(), 1.0);
    ui::MainWindow window(pictures);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Image1"))->size(), QSize(100, 1680));
}

void UiPlatformTest::installedPicturesAreFoundFromProgramPlace_data()
{
    QTest::addColumn<QList<int>>("inWorkingFolder"); // r1.bmp … as 0..2
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("fromWorkingFolder");
    QTest::addColumn<QString>("failed");
    QTest::newRow("all three here") << QList<int> { 0, 1, 2 } << true << true << QString();
    QTest::newRow("r1.bmp only here") << QList<int> { 0 } << true << false << QString();
    QTest::newRow("none here") << QList<int> {} << true << false << QString();
    QTest::newRow("none installed") << QList<int> { 0, 2 } << false << true << "r2.bmp";
}

// A copy of the program in a tree of its own finds the pictures installed
// beside it unless the working folder holds all three; the three never come
// from two folders, and found nowhere, every folder looked in is named.
void UiPlatformTest::installedPicturesAreFoundFromProgramPlace()
{
    QFETCH(QList<int>, inWorkingFolder);
    QFETCH(bool, installed);
    QFETCH(bool, fromWorkingFolder);
    QFETCH(QString, failed);
    QTemporaryDir tree, working;
    QVERIFY(tree.isValid() && working.isValid());
    const QString bin = QDir(tree.path()).filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString program = QDir(bin).filePath(QStringLiteral("copy"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    const QString pictureFolder = ui::installedPictureFolder(bin);
    if (installed) {
        QVERIFY(QDir().mkpath(pictureFolder));
        QVERIFY(uitest::writeStripPictures(QDir(pictureFolder)));
    }
    // The working folder's pictures wear the colours of the next reel.
    for (int reel : inWorkingFolder) {
        const QString name = QStringLiteral("r%1.bmp").arg(reel + 1);
        QVERIFY(uitest::stripPicture((reel + 1) % 3).save(QDir(working.path()).filePath(name)));
    }

    QProcess copy;
    copy.setWorkingDirectory(working.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kReportPicturesOnly), QStringLiteral("1"));
    copy.setProcessEnvironment(env);
    copy.start(program, {});
    QVERIFY(copy.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(copy.readAllStandardOutput());
    const QStringList lines
        = output.mid(output.indexOf(QLatin1String(kReportPicturesOnly))).split('\n').mid(1);
    QVERIFY2(lines.size() >= 4, qPrintable(output));

    const QString workingPath = QFileInfo(working.path()).canonicalFilePath();
    QCOMPARE(lines[0], fromWorkingFolder ? workingPath : pictureFolder);
    QCOMPARE(lines[1], failed);
    if (failed.isEmpty()) {
        QCOMPARE(lines[2], fromWorkingFolder ? QStringLiteral("1 2 0 ") : QStringLiteral("0 1 2 "));
    } else {
        const QString message = lines.mid(3).join('\n');
        QVERIFY2(
            message.contains(workingPath) && message.contains(pictureFolder), qPrintable(message));
    }
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
// and timers whose ticks run through it, as the main window's do, stop
// calling into the program.
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

    ui::QtIntervalTimer timer(
        [&lifetime](const std::function<void()> &tick) { lifetime.run(tick); });
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.setInterval(5);
    timer.setEnabled(true);
    QTest::qWait(30);
    QCOMPARE(ticks, 0);
}

QTEST_MAIN(UiPlatformTest)
#include "tst_ui_platform.moc"
