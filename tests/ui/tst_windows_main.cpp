// The main window at work with its real controller: what the reel windows
// show, the keyboard, the help windows, the input error report and the end.
#include "positions.h"
#include "ui/classic/classiclook.h"
#include "ui/classic/formlabel.h"
#include "ui/classic/helpwindow.h"
#include "ui/classic/mainwindow.h"
#include "ui/classic/pushbutton.h"

#include "reel/buttons.h"
#include "ui_testpictures.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include <memory>

using reel::HelpWindow;
using Handler = void (reel::MainController::*)();

Q_DECLARE_METATYPE(HelpWindow)
Q_DECLARE_METATYPE(Handler)

namespace {

// The reel windows, in pixels of the client area: x from the left frame bar
// to the next, y 615–4680 twips.
constexpr int kOpeningLefts[3] = { 105, 217, 329 };
constexpr int kOpeningWidth = 95;
constexpr int kOpeningTop = 41;
constexpr int kOpeningBottom = 311;
// The framing lines Line2 and Line1 cross every reel window.
constexpr int kFramingRows[2] = { 80, 272 };

// Picture row shown at window row y for reel position p: rows 1393 − 65p to
// 1663 − 65p fill the opening.
int pictureRow(int y, int position) { return y - pixelTopOf(position); }

// What the paint events of a window and its controls cover, by control name,
// in pixels of the window's client area.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget *window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintRecorder() override { QCoreApplication::instance()->removeEventFilter(this); }

    QMap<QString, QRegion> painted;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() != QEvent::Paint || !widget
            || (widget != m_window && !m_window->isAncestorOf(widget)))
            return false;
        const QPoint offset = widget == m_window ? QPoint() : widget->mapTo(m_window, QPoint());
        painted[widget->objectName()]
            += static_cast<QPaintEvent *>(event)->region().translated(offset);
        return false;
    }

private:
    QWidget *m_window;
};

// Runs `action` inside a local event loop and returns the loop's exit code,
// or 99 if nothing ended it within five seconds.
int exitCodeAfter(const std::function<void()> &action)
{
    QEventLoop loop;
    QTimer::singleShot(0, action);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
    return loop.exec();
}

} // namespace

class WindowsMainTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reelWindowsShowStripRows_data();
    void reelWindowsShowStripRows();
    void stepButtonMovesItsStrip_data();
    void stepButtonMovesItsStrip();
    void clickRunsItsHandler_data();
    void clickRunsItsHandler();
    void pictureTopKeepsTheExactValue();
    void stepRepaintsOnlyItsReelWindow_data();
    void stepRepaintsOnlyItsReelWindow();
    void keyboardPlaysAWholeGame();
    void enterPressesExactlyAsAClick_data();
    void enterPressesExactlyAsAClick();
    void multiLineMessageFits();
    void helpWindowLifecycle_data();
    void helpWindowLifecycle();
    void imitationsDoNothing();
    void unusableSpeedIsReported();
    void exitButtonEndsProgram();

private:
    QWidget *control(const QString &name) const
    {
        auto *w = m_main->findChild<QWidget *>(name);
        Q_ASSERT(w);
        return w;
    }
    ui::PushButton *button(const QString &name) const
    {
        return qobject_cast<ui::PushButton *>(control(name));
    }
    // The top edge of a strip picture in pixels of the client area.
    int pictureTopOnWindow(int reel) const
    {
        const QWidget *image = control(QStringLiteral("Image%1").arg(reel + 1));
        return image->mapTo(m_main.get(), QPoint(0, 0)).y();
    }

    ui::StripPictures m_pictures;
    std::unique_ptr<ui::MainWindow> m_main;
};

// The pictures go through the files and the program's own loader, as at a
// real start.
void WindowsMainTest::initTestCase()
{
    ui::applyClassicLook(false);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(uitest::writeStripPictures(QDir(dir.path())));
    m_pictures = uitest::loadStripPicturesIn(dir.path());
    QVERIFY(m_pictures.loaded());
}

void WindowsMainTest::init()
{
    m_main = std::make_unique<ui::MainWindow>(m_pictures);
    m_main->show();
    QApplication::setActiveWindow(m_main.get());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void WindowsMainTest::cleanup() { m_main.reset(); }

void WindowsMainTest::reelWindowsShowStripRows_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("window opens") << QList<int> { 0, 0, 0 };
    QTest::newRow("21, 1, 10") << QList<int> { 21, 1, 10 };
    QTest::newRow("20, 21, 1") << QList<int> { 20, 21, 1 };
    QTest::newRow("7, 14, 20") << QList<int> { 7, 14, 20 };
}

// Each reel window shows exactly picture rows 1393 − 65p to 1663 − 65p and
// columns 1 to 95, the framing lines over them, and no strip shows anywhere
// else.
void WindowsMainTest::reelWindowsShowStripRows()
{
    QFETCH(QList<int>, positions);
    for (int reel = 0; reel < 3; ++reel)
        m_main->setPictureTop(reel, topOf(positions[reel]));

    const QImage shot = m_main->grab().toImage();
    const QRgb line = QApplication::palette().color(QPalette::ToolTipText).rgb();
    for (int reel = 0; reel < 3; ++reel) {
        const int left = kOpeningLefts[reel];
        for (int y = kOpeningTop; y <= kOpeningBottom; ++y) {
            const bool framing = y == kFramingRows[0] || y == kFramingRows[1];
            const QRgb expected
                = framing ? line : uitest::rowColour(reel, pictureRow(y, positions[reel]));
            for (int x = left; x < left + kOpeningWidth; ++x) {
                if (shot.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("reel %1 at position %2: pixel (%3, %4)")
                                         .arg(reel + 1)
                                         .arg(positions[reel])
                                         .arg(x)
                                         .arg(y)));
            }
        }
    }

    int outside = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const bool inOpening = y >= kOpeningTop && y <= kOpeningBottom
                && std::any_of(std::begin(kOpeningLefts), std::end(kOpeningLefts),
                    [x](int left) { return x >= left && x < left + kOpeningWidth; });
            outside += !inOpening && uitest::isPictureColour(shot.pixel(x, y));
        }
    }
    QCOMPARE(outside, 0);
}

void WindowsMainTest::stepButtonMovesItsStrip_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("position");
    // From position 0: ▲ goes to 20 (cell 2), ▼ to 1 (cell 21).
    QTest::newRow("r1ue") << "r1ue" << 0 << 20;
    QTest::newRow("r2ue") << "r2ue" << 1 << 20;
    QTest::newRow("r3ue") << "r3ue" << 2 << 20;
    QTest::newRow("r1sita") << "r1sita" << 0 << 1;
    QTest::newRow("r2sita") << "r2sita" << 1 << 1;
    QTest::newRow("r3sita") << "r3sita" << 2 << 1;
}

// A click reaches the controller, whose step moves the strip on screen and
// whose judgement lands in the two message labels.
void WindowsMainTest::stepButtonMovesItsStrip()
{
    QFETCH(QString, button);
    QFETCH(int, reel);
    QFETCH(int, position);

    QTest::mouseClick(this->button(button), Qt::LeftButton);
    QCOMPARE(m_main->pictureTop(reel), topOf(position));
    QCOMPARE(pictureTopOnWindow(reel), pixelTopOf(position));
    for (int other = 0; other < 3; ++other) {
        if (other != reel)
            QCOMPARE(m_main->pictureTop(other), topOf(0));
    }

    const auto &fields = m_main->controller().fields();
    QCOMPARE(qobject_cast<QLabel *>(control("lbyakumei"))->text(),
        QString::fromStdString(fields.yakumei));
    QCOMPARE(
        qobject_cast<QLabel *>(control("lbtamaya"))->text(), QString::fromStdString(fields.tamaya));
    QVERIFY(
        qobject_cast<QLabel *>(control("lbyakumei"))->text() != QStringLiteral("ＢＩＧじゃ～！！"));
}

void WindowsMainTest::clickRunsItsHandler_data()
{
    using C = reel::MainController;
    QTest::addColumn<QString>("button");
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<Handler>("before"); // enables the button
    QTest::newRow("cmstart") << "cmstart" << &C::cmstart_Click << Handler {};
    QTest::newRow("r1stop") << "r1stop" << &C::r1stop_Click << &C::cmstart_Click;
    QTest::newRow("r2stop") << "r2stop" << &C::r2stop_Click << &C::cmstart_Click;
    QTest::newRow("r3stop") << "r3stop" << &C::r3stop_Click << &C::cmstart_Click;
    QTest::newRow("r1ue") << "r1ue" << &C::r1ue_Click << Handler {};
    QTest::newRow("r2ue") << "r2ue" << &C::r2ue_Click << Handler {};
    QTest::newRow("r3ue") << "r3ue" << &C::r3ue_Click << Handler {};
    QTest::newRow("r1sita") << "r1sita" << &C::r1sita_Click << Handler {};
    QTest::newRow("r2sita") << "r2sita" << &C::r2sita_Click << Handler {};
    QTest::newRow("r3sita") << "r3sita" << &C::r3sita_Click << Handler {};
    QTest::newRow("autostart") << "autostart" << &C::autostart_Click << Handler {};
    QTest::newRow("autostop") << "autostop" << &C::autostop_Click << &C::autostart_Click;
    QTest::newRow("Cmkaisetu") << "Cmkaisetu" << &C::Cmkaisetu_Click << Handler {};
    QTest::newRow("Cmsousa") << "Cmsousa" << &C::Cmsousa_Click << Handler {};
}

// A click on the button leaves the window exactly as the handler of its name,
// run on a second window, leaves that one.
void WindowsMainTest::clickRunsItsHandler()
{
    QFETCH(QString, button);
    QFETCH(Handler, handler);
    QFETCH(Handler, before);
    ui::MainWindow direct(m_pictures);
    if (before) {
        (m_main->controller().*before)();
        (direct.controller().*before)();
    }
    QTest::mouseClick(this->button(button), Qt::LeftButton);
    (direct.controller().*handler)();

    QVERIFY(m_main->controller().fields() == direct.controller().fields());
    for (const char *name : { "lbyakumei", "lbtamaya" })
        QCOMPARE(
            m_main->findChild<QLabel *>(name)->text(), direct.findChild<QLabel *>(name)->text());
    for (const reel::ButtonEntry &entry : reel::kButtons)
        QCOMPARE(
            m_main->button(entry.button)->isEnabled(), direct.button(entry.button)->isEnabled());
    for (HelpWindow help : { HelpWindow::Fkaisetu, HelpWindow::Fsousa })
        QCOMPARE(m_main->helpWindow(help) != nullptr, direct.helpWindow(help) != nullptr);
}

// The window keeps the top as given, a float; the picture stands at the
// nearest pixel.
void WindowsMainTest::pictureTopKeepsTheExactValue()
{
    m_main->setPictureTop(1, -19305.0f);
    QCOMPARE(m_main->pictureTop(1), -19305.0f);
    QCOMPARE(pictureTopOnWindow(1), -1287);
    m_main->setPictureTop(2, 100.4f);
    QCOMPARE(m_main->pictureTop(2), 100.4f);
    QCOMPARE(pictureTopOnWindow(2), 7);
}

void WindowsMainTest::stepRepaintsOnlyItsReelWindow_data()
{
    QTest::addColumn<int>("reel");
    QTest::newRow("left") << 0;
    QTest::newRow("centre") << 1;
    QTest::newRow("right") << 2;
}

// A spin moves a strip at every tick: that must repaint the reel's window
// alone, not the frame buttons, the stop buttons or the other reels.
void WindowsMainTest::stepRepaintsOnlyItsReelWindow()
{
    QFETCH(int, reel);
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    QCoreApplication::processEvents();

    PaintRecorder recorder(m_main.get());
    m_main->setPictureTop(reel, topOf(7));
    const QString image = QStringLiteral("Image%1").arg(reel + 1);
    QTRY_VERIFY(recorder.painted.contains(image));

    const QRect opening(
        kOpeningLefts[reel], kOpeningTop, kOpeningWidth, kOpeningBottom - kOpeningTop + 1);
    for (auto it = recorder.painted.cbegin(); it != recorder.painted.cend(); ++it) {
        const QRect bounds = it.value().boundingRect();
        QVERIFY2(opening.contains(bounds),
            qPrintable(QStringLiteral("%1 painted (%2, %3) %4 × %5")
                           .arg(it.key())
                           .arg(bounds.x())
                           .arg(bounds.y())
                           .arg(bounds.width())
                           .arg(bounds.height())));
    }
}

// Enter on start, then Enter on each stop, with TAB where the focus has to
// move on: TAB skips disabled buttons and wraps round.
void WindowsMainTest::keyboardPlaysAWholeGame()
{
    auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };

    QCOMPARE(focused(), QStringLiteral("cmstart"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("cmstart"));
    key(Qt::Key_Backtab);
    QCOMPARE(focused(), QStringLiteral("cmstart"));

    key(Qt::Key_Return);
    QVERIFY(!m_main->button(reel::Button::cmstart)->isEnabled());
    QCOMPARE(focused(), QStringLiteral("r1stop"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("r2stop"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("r3stop"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("r1stop"));

    // The left stop; the focus passes to the next enabled stop.
    key(Qt::Key_Return);
    QVERIFY(!m_main->button(reel::Button::r1stop)->isEnabled());
    QCOMPARE(focused(), QStringLiteral("r2stop"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("r3stop"));
    key(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("r2stop"));

    key(Qt::Key_Return);
    QCOMPARE(focused(), QStringLiteral("r3stop"));
    QCOMPARE(qobject_cast<QLabel *>(control("lbyakumei"))->text(), QString());
    key(Qt::Key_Enter); // the keypad's Enter as well

    // At rest, judged, and start is ready for the next game.
    QVERIFY(m_main->button(reel::Button::cmstart)->isEnabled());
    QCOMPARE(focused(), QStringLiteral("cmstart"));
    const auto &fields = m_main->controller().fields();
    QCOMPARE(fields.timgoukei, 3);
    QVERIFY(!fields.yakumei.empty());
    QCOMPARE(qobject_cast<QLabel *>(control("lbyakumei"))->text(),
        QString::fromStdString(fields.yakumei));
}

void WindowsMainTest::enterPressesExactlyAsAClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Return on ▲") << "r2ue" << Qt::Key_Return << 1;
    QTest::newRow("Enter on ▼") << "r3sita" << Qt::Key_Enter << 1;
    QTest::newRow("Return on the title bar") << "Command4" << Qt::Key_Return << 1;
    QTest::newRow("Space on ▲") << "r1ue" << Qt::Key_Space << 1;
    QTest::newRow("Escape on ▲") << "r1ue" << Qt::Key_Escape << 0;
}

void WindowsMainTest::enterPressesExactlyAsAClick()
{
    QFETCH(QString, name);
    QFETCH(Qt::Key, key);
    QFETCH(int, clicks);

    ui::PushButton *target = button(name);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    QSignalSpy pressed(target, &QAbstractButton::pressed);
    const float tops[3] = { m_main->pictureTop(0), m_main->pictureTop(1), m_main->pictureTop(2) };

    QTest::keyClick(target, key);
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(pressed.size(), clicks);
    QVERIFY(!target->isDown());
    // A step button's click moved one strip; the title bar moves nothing.
    int moved = 0;
    for (int reel = 0; reel < 3; ++reel)
        moved += m_main->pictureTop(reel) != tops[reel];
    QCOMPARE(moved, name == QStringLiteral("Command4") ? 0 : clicks);
}

// The longest judgement messages have three lines; all three show.
void WindowsMainTest::multiLineMessageFits()
{
    auto *label = qobject_cast<ui::FormLabel *>(control("lbyakumei"));
    m_main->setCaption(reel::Label::lbyakumei, "一行目\r\n二行目\r\n三行目");
    QCOMPARE(label->text(), QStringLiteral("一行目\r\n二行目\r\n三行目"));
    QCOMPARE(label->displayedText(), QStringLiteral("一行目\n二行目\n三行目"));
    const QFontMetrics metrics(label->font());
    QVERIFY(2 * metrics.lineSpacing() + metrics.ascent() <= label->contentsRect().height());
    // Something of the third line is drawn in its band.
    const QImage shot = label->grab().toImage();
    const QRgb background = label->palette().color(QPalette::Window).rgb();
    int inked = 0;
    for (int y = 2 * metrics.lineSpacing(); y < label->height(); ++y)
        for (int x = 0; x < label->width(); ++x)
            inked += shot.pixel(x, y) != background;
    QVERIFY(inked > 20);
}

void WindowsMainTest::helpWindowLifecycle_data()
{
    QTest::addColumn<HelpWindow>("which");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box"); // an imitation text box to type into, if any
    QTest::newRow("Fsousa") << HelpWindow::Fsousa << "Cmsousa"
                            << "Fsousa"
                            << "Text2";
    QTest::newRow("Fkaisetu") << HelpWindow::Fkaisetu << "Cmkaisetu"
                              << "Fkaisetu" << QString();
}

// Created on first use and shown without blocking; OK hides it with what
// was typed; the close box discards it; there is never more than one.
void WindowsMainTest::helpWindowLifecycle()
{
    QFETCH(HelpWindow, which);
    QFETCH(QString, opener);
    QFETCH(QString, name);
    QFETCH(QString, box);

    auto countWindows = [&name] {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->objectName() == name;
        return n;
    };
    QVERIFY(!m_main->helpWindow(which));
    QTest::mouseClick(button(opener), Qt::LeftButton);
    QPointer<ui::HelpWindow> first = m_main->helpWindow(which);
    QVERIFY(first);
    QCOMPARE(first->objectName(), name);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());
    QCOMPARE(first->focusWidget(), first->findChild<QWidget *>("Command1"));

    if (!box.isEmpty())
        QTest::keyClicks(first->findChild<QLineEdit *>(box), "34");

    QTest::mouseClick(button(opener), Qt::LeftButton);
    QCOMPARE(m_main->helpWindow(which), first.data());
    QCOMPARE(countWindows(), 1);

    // Enter on OK hides it; it lives on as it was.
    QTest::keyClick(first->findChild<QWidget *>("Command1"), Qt::Key_Return);
    QVERIFY(first);
    QVERIFY(!first->isVisible());
    QVERIFY(m_main->isVisible());
    QTest::mouseClick(button(opener), Qt::LeftButton);
    QCOMPARE(m_main->helpWindow(which), first.data());
    QVERIFY(first->isVisible());
    if (!box.isEmpty())
        QCOMPARE(first->findChild<QLineEdit *>(box)->text(), QStringLiteral("120034"));

    // The close box discards it; the next opening makes a fresh one.
    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!m_main->helpWindow(which));
    QCOMPARE(countWindows(), 0);
    QVERIFY(m_main->isVisible());

    QTest::mouseClick(button(opener), Qt::LeftButton);
    ui::HelpWindow *second = m_main->helpWindow(which);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    if (!box.isEmpty())
        QCOMPARE(second->findChild<QLineEdit *>(box)->text(), QStringLiteral("1200"));
    QCOMPARE(countWindows(), 1);
}

// The operation help's imitation buttons change nothing anywhere.
void WindowsMainTest::imitationsDoNothing()
{
    QTest::mouseClick(button("Cmsousa"), Qt::LeftButton);
    ui::HelpWindow *help = m_main->helpWindow(HelpWindow::Fsousa);
    QVERIFY(help);
    const QImage mainBefore = m_main->grab().toImage();
    const auto fieldsBefore = m_main->controller().fields();
    for (QAbstractButton *imitation : help->findChildren<QAbstractButton *>()) {
        if (imitation->objectName() == QStringLiteral("Command1"))
            continue;
        QTest::mouseClick(imitation, Qt::LeftButton);
        QTest::keyClick(imitation, Qt::Key_Return);
    }
    QVERIFY(help->isVisible());
    QVERIFY(m_main->controller().fields() == fieldsBefore);
    QCOMPARE(m_main->grab().toImage(), mainBefore);
}

// A speed box the controller cannot use is reported in a warning box; the
// window goes on at rest.
void WindowsMainTest::unusableSpeedIsReported()
{
    qobject_cast<QLineEdit *>(control("Text1"))->setText("abc");
    QString title, message;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        message = box->text();
        QCOMPARE(box->icon(), QMessageBox::Warning);
        box->accept();
    });
    QTest::mouseClick(button("cmstart"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("入力エラー"));
    QVERIFY(!message.isEmpty());
    QVERIFY(m_main->isVisible());
    QVERIFY(m_main->button(reel::Button::cmstart)->isEnabled());
}

// "終了" ends the program at once, by Enter as by a click. Runs last: once
// the program is told to end, no later event loop would run.
void WindowsMainTest::exitButtonEndsProgram()
{
    ui::PushButton *end = button("cmend");
    end->setFocus();
    const int code = exitCodeAfter([end] { QTest::keyClick(end, Qt::Key_Return); });
    QCOMPARE(code, 0);
}

QTEST_MAIN(WindowsMainTest)
#include "tst_windows_main.moc"
