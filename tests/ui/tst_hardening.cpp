// Bad strip picture files and bad text in the speed boxes: each ends in a
// clean outcome (a loaded picture, a refusal that names the file, the folder
// and the true reason, a value, or the input error report), never in a crash
// or a hang.
#include "fakewindow.h"
#include "positions.h"
#include "ui_testpictures.h"

#include "reel/numberinput.h"
#include "ui/classic/mainwindow.h"
#include "ui/pictures/strippictures.h"

#include <QLabel>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using Outcome = reel::ReadResult::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

QByteArray validBitmap(int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(QColor(10, 200, 30));
    picture.save(&buffer, "BMP");
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString stripName(int reel) { return QStringLiteral("r%1.bmp").arg(reel + 1); }

// What stands where a strip picture is looked for.
enum class Node { file, folder, fifo, linkLoop };

const char *const kText1Caption = "リール１コマのスピード";
const char *const kText3Caption = "Ａutoの停止までの時間";

} // namespace

Q_DECLARE_METATYPE(Node)
Q_DECLARE_METATYPE(ui::PictureProblem)

class HardeningTest : public QObject {
    Q_OBJECT

private slots:
    void badPictureIsRefusedByName_data();
    void badPictureIsRefusedByName();
    void pictureWithoutReadPermissionIsRefused();
    void deletedWorkingFolderIsNamed();
    void oddPictureIsShownAndPlayed_data();
    void oddPictureIsShownAndPlayed();
    void speedTextReadsCleanly_data();
    void speedTextReadsCleanly();
    void reelSpeedBoxAtStart_data();
    void reelSpeedBoxAtStart();
    void autoIntervalBoxAtAutoStart_data();
    void autoIntervalBoxAtAutoStart();
};

void HardeningTest::badPictureIsRefusedByName_data()
{
    QTest::addColumn<Node>("node");
    QTest::addColumn<QByteArray>("bytes"); // of a file
    QTest::addColumn<int>("reel");
    QTest::addColumn<ui::PictureProblem>("problem");
    QTest::addColumn<QString>("says"); // part of the reason the report gives
    using P = ui::PictureProblem;
    const auto row
        = [](const char *name, Node node, const QByteArray &bytes, P problem, const char *says) {
              for (int reel : { 0, 2 })
                  QTest::addRow("%s as %s", name, qPrintable(stripName(reel)))
                      << node << bytes << reel << problem << QString::fromUtf8(says);
          };
    const QByteArray whole = validBitmap(uitest::kPictureWidth, uitest::kPictureHeight);
    const char *const notRead = "画像として読み込めません";
    row("empty", Node::file, {}, P::notAPicture, notRead);
    row("header cut short", Node::file, whole.left(30), P::notAPicture, notRead);
    row("not a picture", Node::file, QByteArray("r1.bmp\nnot a picture at all\n").repeated(50),
        P::notAPicture, notRead);
    row("a directory", Node::folder, {}, P::notRegularFile, "通常のファイルではなく、フォルダー");
    row("a FIFO", Node::fifo, {}, P::notRegularFile, "名前付きパイプ（FIFO）");
    row("a symlink loop", Node::linkLoop, {}, P::linkLoop, "シンボリックリンクが循環");
    row("cut at 200 000 bytes", Node::file, whole.left(200000), P::truncated,
        "504054 バイト必要ですが、ファイルは 200000 バイト");
    row("50 x 50", Node::file, validBitmap(50, 50), P::tooSmall, "50 × 50 ピクセルですが");
    row("95 x 1680", Node::file, validBitmap(95, 1680), P::tooSmall,
        "95 × 1680 ピクセルですが、幅 96");
    row("100 x 1679", Node::file, validBitmap(100, 1679), P::tooSmall, "100 × 1679 ピクセルですが");
}

// The pictures before the bad one are read, the ones after are not tried,
// and the report names the file, the folder it was looked for in and why it
// cannot serve. Nothing blocks: a FIFO without a writer is refused at once.
void HardeningTest::badPictureIsRefusedByName()
{
    QFETCH(Node, node);
    QFETCH(QByteArray, bytes);
    QFETCH(int, reel);
    QFETCH(ui::PictureProblem, problem);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<int> good { 0, 1, 2 };
    good.removeOne(reel);
    for (int other : good)
        QVERIFY(uitest::writeStripPictures(QDir(dir.path()), { other }));

    const QString path = QDir(dir.path()).filePath(stripName(reel));
    switch (node) {
    case Node::file: QVERIFY(writeFile(path, bytes)); break;
    case Node::folder: QVERIFY(QDir(dir.path()).mkdir(stripName(reel))); break;
    case Node::fifo: QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); break;
    case Node::linkLoop: QVERIFY(QFile::link(stripName(reel), path)); break;
    }

    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());
    QVERIFY(!pictures.loaded());
    QCOMPARE(pictures.failedFile, stripName(reel));
    QCOMPARE(pictures.problem, problem);
    const QString where = QFileInfo(dir.path()).canonicalFilePath();
    QCOMPARE(pictures.directory, where);
    for (int before = 0; before < reel; ++before)
        QVERIFY(!pictures.images[std::size_t(before)].isNull());
    for (int after = reel + 1; after < 3; ++after)
        QVERIFY(pictures.images[std::size_t(after)].isNull());

    const QString message = pictures.errorMessage();
    QVERIFY2(message.contains(stripName(reel)), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(where)), qPrintable(message));
    QVERIFY2(message.contains(says), qPrintable(message));
}

void HardeningTest::pictureWithoutReadPermissionIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path())));
    const QString path = QDir(dir.path()).filePath(stripName(1));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions {}));
    // The superuser reads the file whatever its mode says.
    if (::access(path.toLocal8Bit().constData(), R_OK) == 0)
        QSKIP("the file stays readable without read permission: the tests run as the superuser");

    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());
    QVERIFY(!pictures.loaded());
    QCOMPARE(pictures.failedFile, stripName(1));
    QCOMPARE(pictures.problem, ui::PictureProblem::noPermission);
    QVERIFY(pictures.errorMessage().contains(stripName(1)));
}

// A working directory deleted under the program is named by its former name
// and said to be gone, not shown as an empty name.
void HardeningTest::deletedWorkingFolderIsNamed()
{
    const QString previous = QDir::currentPath();
    auto *dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir->path())));
    const QString former = QFileInfo(dir->path()).canonicalFilePath();
    QDir::setCurrent(former);
    delete dir;
    const ui::StripPictures pictures = ui::loadStripPictures(1);
    QDir::setCurrent(previous);

    QVERIFY(!pictures.loaded());
    QCOMPARE(pictures.problem, ui::PictureProblem::folderGone);
    QCOMPARE(pictures.failedFile, stripName(0));
    QCOMPARE(pictures.directory, former);
    const QString message = pictures.errorMessage();
    QVERIFY2(message.contains(former), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("もう存在しません")), qPrintable(message));
}

void HardeningTest::oddPictureIsShownAndPlayed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the least: 96 x 1680") << validBitmap(96, 1680) << QSize(96, 1680);
    QTest::newRow("taller") << validBitmap(100, 3000) << QSize(100, 3000);
    QTest::newRow("wider") << validBitmap(300, 1680) << QSize(300, 1680);
    QTest::newRow("bytes after the pixels")
        << validBitmap(100, 1680) + QByteArray(1000, 'x') << QSize(100, 1680);
    QTest::newRow("a PNG named .bmp") << [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        uitest::stripPicture(0).save(&buffer, "PNG");
        return bytes;
    }() << QSize(100, 1680);
}

// Large enough and whole, any picture is loaded, shown at its own size, and
// the reels move and are judged as usual.
void HardeningTest::oddPictureIsShownAndPlayed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path()), { 1, 2 }));
    QVERIFY(writeFile(QDir(dir.path()).filePath(stripName(0)), bytes));

    const ui::StripPictures pictures = uitest::loadStripPicturesIn(dir.path());
    QVERIFY2(pictures.loaded(), qPrintable(pictures.errorMessage()));
    QCOMPARE(pictures.images[0].size(), size);

    ui::MainWindow window(pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *image = window.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    QCOMPARE(image->size(), size);

    reel::MainController &controller = window.controller();
    controller.r1ue_Click(); // position 20: cell 2
    QCOMPARE(controller.fields().r1jyoudan, std::int16_t(2));
    window.setText(reel::TextBox::Text1, "35");
    controller.cmstart_Click();
    for (int tick = 0; tick < 22; ++tick) {
        controller.Timer1_Timer();
        QVERIFY(!window.grab().isNull());
    }
    controller.r1stop_Click();
    controller.r2stop_Click();
    controller.r3stop_Click();
    // 21 ticks are a full turn back to cell 2; one more shows cell 1.
    QCOMPARE(controller.fields().r1jyoudan, std::int16_t(1));
    QCOMPARE(window.pictureTop(0), topOf(21));
}

void HardeningTest::speedTextReadsCleanly_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("value");
    const QByteArray zeros(100000, '0');

    QTest::newRow("100 000 nines") << QByteArray(100000, '9') << Outcome::outOfRange << 0;
    QTest::newRow("100 000 zeros, then 35") << zeros + "35" << Outcome::value << 35;
    QTest::newRow("35, then 100 000 zeros as fraction") << "35." + zeros << Outcome::value << 35;
    QTest::newRow("a tiny fraction") << "0." + zeros + "1" << Outcome::value << 0;
    QTest::newRow("just above a half") << "34.5" + zeros + "1" << Outcome::value << 35;
    QTest::newRow("a long exact half") << "35.5" + zeros << Outcome::value << 36;
    QTest::newRow("100 000 digits past the range") << "3" + zeros << Outcome::outOfRange << 0;

    QTest::newRow("1e400") << QByteArray("1e400") << Outcome::outOfRange << 0;
    QTest::newRow("1e-400") << QByteArray("1e-400") << Outcome::value << 0;
    QTest::newRow("exponent past 64 bits")
        << QByteArray("1e99999999999999999999999") << Outcome::outOfRange << 0;
    QTest::newRow("zero to a huge power")
        << QByteArray("0e99999999999999999999999") << Outcome::value << 0;
    QTest::newRow("3.2767e4") << QByteArray("3.2767e4") << Outcome::value << 32767;
    QTest::newRow("-0") << QByteArray("-0") << Outcome::value << 0;
    QTest::newRow("-0.5") << QByteArray("-0.5") << Outcome::value << 0;
    QTest::newRow("-32768.5") << QByteArray("-32768.5") << Outcome::value << -32768;
    QTest::newRow("-32769") << QByteArray("-32769") << Outcome::outOfRange << 0;
    QTest::newRow("32767.5") << QByteArray("32767.5") << Outcome::outOfRange << 0;

    for (const char *word : { "NaN", "nan", "inf", "-Infinity", "&H7FFF", "&O17", "0x7FFF", "1,000",
             "1 000", "+", ".", "e5", "1e", "1e+", "--1", "1-", "   " })
        QTest::newRow(word) << QByteArray(word) << Outcome::notANumber << 0;

    QTest::newRow("NUL inside") << QByteArray("35").insert(1, '\0') << Outcome::notANumber << 0;
    QTest::newRow("line feed after") << QByteArray("35\n") << Outcome::value << 35;
    QTest::newRow("carriage return before") << QByteArray("\r35") << Outcome::value << 35;
    QTest::newRow("only line breaks") << QByteArray("\r\n") << Outcome::notANumber << 0;
    QTest::newRow("escape inside")
        << QByteArray("35").insert(1, '\x1b') << Outcome::notANumber << 0;
    QTest::newRow("delete") << QByteArray("\x7f") << Outcome::notANumber << 0;
    QTest::newRow("tabs around") << QByteArray("\t35\t") << Outcome::value << 35;
    QTest::newRow("tab inside") << QByteArray("3\t5") << Outcome::notANumber << 0;
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe") << Outcome::notANumber << 0;
    QTest::newRow("a wide digit cut short") << QByteArray("3\xef\xbc") << Outcome::notANumber << 0;

    QTest::newRow("full-width 35") << QByteArray("３５") << Outcome::value << 35;
    QTest::newRow("full-width -2") << QByteArray("－２") << Outcome::value << -2;
    QTest::newRow("minus sign U+2212") << QByteArray("−２") << Outcome::value << -2;
    QTest::newRow("full-width +7") << QByteArray("＋７") << Outcome::value << 7;
    QTest::newRow("full-width 3.5") << QByteArray("３．５") << Outcome::value << 4;
    QTest::newRow("full-width 2.5") << QByteArray("２．５") << Outcome::value << 2;
    QTest::newRow("full-width blanks around") << QByteArray("　３５　") << Outcome::value << 35;
    QTest::newRow("mixed widths") << QByteArray("3５.５") << Outcome::value << 36;
    QTest::newRow("full-width digit, ASCII exponent")
        << QByteArray("１e3") << Outcome::value << 1000;
    QTest::newRow("full-width E") << QByteArray("１Ｅ３") << Outcome::notANumber << 0;
    QTest::newRow("full-width minus zero") << QByteArray("－０") << Outcome::value << 0;
    QTest::newRow("Arabic-Indic digits") << QByteArray("٣٥") << Outcome::notANumber << 0;
    QTest::newRow("kanji numerals") << QByteArray("三五") << Outcome::notANumber << 0;
}

void HardeningTest::speedTextReadsCleanly()
{
    QFETCH(QByteArray, text);
    QFETCH(Outcome, outcome);
    QFETCH(int, value);
    const reel::ReadResult result = reel::readInt16(text.toStdString());
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(int(result.value), value);
}

void HardeningTest::reelSpeedBoxAtStart_data() { speedTextReadsCleanly_data(); }

// A start either runs the reels at the value read (0 meaning 100 ms) or
// reports the box and leaves everything as it was.
void HardeningTest::reelSpeedBoxAtStart()
{
    QFETCH(QByteArray, text);
    QFETCH(Outcome, outcome);
    QFETCH(int, value);
    FakeWindow w;
    w.view.state.texts[reel::TextBox::Text1] = text.toStdString();
    const FakeWindow::Snapshot before = w.snapshot();

    w.controller.cmstart_Click();

    if (outcome == Outcome::value) {
        QVERIFY(w.view.state.errors.empty());
        const int speed = value == 0 ? 100 : value;
        for (FakeTimer *timer : w.spinTimers()) {
            QCOMPARE(timer->state.interval, speed);
            QVERIFY(timer->state.enabled);
        }
        QCOMPARE(int(w.controller.fields().timint), speed);
        return;
    }
    QCOMPARE(w.view.state.errors.size(), std::size_t(1));
    QCOMPARE(w.view.state.errors[0].first, reel::TextBox::Text1);
    QVERIFY(qs(w.view.state.errors[0].second).contains(QString::fromUtf8(kText1Caption)));
    FakeWindow::Snapshot after = w.snapshot();
    after.view.errors.clear();
    QVERIFY(after == before);
}

void HardeningTest::autoIntervalBoxAtAutoStart_data() { speedTextReadsCleanly_data(); }

// Only the very text "0" stands for 950 ms, so every value read here goes to
// the auto-play timer as it is.
void HardeningTest::autoIntervalBoxAtAutoStart()
{
    QFETCH(QByteArray, text);
    QFETCH(Outcome, outcome);
    QFETCH(int, value);
    FakeWindow w;
    w.view.state.texts[reel::TextBox::Text1] = "35";
    w.view.state.texts[reel::TextBox::Text3] = text.toStdString();
    const FakeWindow::Snapshot before = w.snapshot();

    w.controller.autostart_Click();

    if (outcome == Outcome::value) {
        QVERIFY(w.view.state.errors.empty());
        QCOMPARE(w.timer4.state.interval, value);
        QVERIFY(w.timer4.state.enabled);
        QVERIFY(w.view.state.enabled.at(reel::Button::autostop));
        return;
    }
    QCOMPARE(w.view.state.errors.size(), std::size_t(1));
    QCOMPARE(w.view.state.errors[0].first, reel::TextBox::Text3);
    QVERIFY(qs(w.view.state.errors[0].second).contains(QString::fromUtf8(kText3Caption)));
    FakeWindow::Snapshot after = w.snapshot();
    after.view.errors.clear();
    QVERIFY(after == before);
}

QTEST_MAIN(HardeningTest)
#include "tst_hardening.moc"
