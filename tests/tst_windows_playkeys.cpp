// The main window's play keys: each plays its button at once, from any
// control but a speed box; held keys and disabled buttons do nothing.
#include "ui/helpwindow.h"
#include "ui/looks.h"
#include "ui/mainwindow.h"
#include "ui_testpictures.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

const QStringList kPlayButtons { "cmstart", "r1stop", "r2stop", "r3stop" };

} // namespace

class WindowsPlayKeysTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_main.reset(); }
    void keyPlaysItsButtonAtOnce_data();
    void keyPlaysItsButtonAtOnce();
    void keyDoesNothing_data();
    void keyDoesNothing();
    void wholeGameByKeys_data();
    void wholeGameByKeys();
    void escapeHidesHelpWindow_data();
    void escapeHidesHelpWindow();

private:
    QWidget *control(const QString &name) const { return m_main->findChild<QWidget *>(name); }
    // Clicks on the four play buttons, by name, while `action` runs.
    QMap<QString, int> clicksDuring(const std::function<void()> &action) const
    {
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QString &name : kPlayButtons)
            spies.push_back(std::make_unique<QSignalSpy>(
                qobject_cast<QAbstractButton *>(control(name)), &QAbstractButton::clicked));
        action();
        QMap<QString, int> clicks;
        for (int i = 0; i < kPlayButtons.size(); ++i)
            if (!spies[std::size_t(i)]->isEmpty())
                clicks[kPlayButtons[i]] = int(spies[std::size_t(i)]->size());
        return clicks;
    }
    void spin() { qobject_cast<QAbstractButton *>(control("cmstart"))->click(); }

    std::unique_ptr<ui::MainWindow> m_main;
};

void WindowsPlayKeysTest::init()
{
    ui::applyClassicLook(false);
    m_main = std::make_unique<ui::MainWindow>(uitest::stripPictures());
    m_main->show();
    QApplication::setActiveWindow(m_main.get());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

// Sent to the focused control; the text, not the key code, names a letter.
void WindowsPlayKeysTest::keyPlaysItsButtonAtOnce_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("↑ on the title bar") << "Command4" << int(Qt::Key_Up) << ""
                                        << "cmstart"
                                        << "r1stop";
    QTest::newRow("← on a stop") << "r3stop" << int(Qt::Key_Left) << ""
                                 << "r1stop"
                                 << "r2stop";
    QTest::newRow("↓ on a help button") << "Cmkaisetu" << int(Qt::Key_Down) << ""
                                        << "r2stop"
                                        << "r3stop";
    QTest::newRow("→ on its own stop") << "r3stop" << int(Qt::Key_Right) << ""
                                       << "r3stop"
                                       << "r1stop";
    QTest::newRow("Z on another layout") << "r1stop" << int(Qt::Key_unknown) << "z"
                                         << "r1stop"
                                         << "r2stop";
    QTest::newRow("Shift+X") << "r1stop" << int(Qt::Key_X) << "X"
                             << "r2stop"
                             << "r3stop";
    QTest::newRow("c") << "r2stop" << int(Qt::Key_C) << "c"
                       << "r3stop"
                       << "r1stop";
}

void WindowsPlayKeysTest::keyPlaysItsButtonAtOnce()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, focusAfter);
    if (button != "cmstart")
        spin();
    control(focus)->setFocus();
    const auto clicks = clicksDuring([&] {
        QTest::sendKeyEvent(QTest::Click, control(focus), Qt::Key(key), text,
            text == "X" ? Qt::ShiftModifier : Qt::NoModifier);
    });
    QCOMPARE(clicks, (QMap<QString, int> { { button, 1 } }));
    QVERIFY(!control(button)->isEnabled());
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
}

void WindowsPlayKeysTest::keyDoesNothing_data()
{
    QTest::addColumn<bool>("spinning");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("← at rest") << false << "cmstart" << int(Qt::Key_Left) << "" << false << "100";
    QTest::newRow("↑ while spinning")
        << true << "r1stop" << int(Qt::Key_Up) << "" << false << "100";
    QTest::newRow("held ←") << true << "r2stop" << int(Qt::Key_Left) << "" << true << "100";
    QTest::newRow("Ctrl+Z") << true << "r1stop" << int(Qt::Key_Z) << "\x1a" << false << "100";
    QTest::newRow("z in a speed box")
        << true << "Text1" << int(Qt::Key_Z) << "z" << false << "100z";
    QTest::newRow("← in a speed box")
        << true << "Text1" << int(Qt::Key_Left) << "" << false << "100";
    QTest::newRow("↑ in a speed box")
        << false << "Text3" << int(Qt::Key_Up) << "" << false << "100";
}

void WindowsPlayKeysTest::keyDoesNothing()
{
    QFETCH(bool, spinning);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, autoRepeat);
    QFETCH(QString, boxText);
    if (spinning)
        spin();
    control(focus)->setFocus();
    const auto modifiers = text == "\x1a" ? Qt::ControlModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text, autoRepeat);
    QCOMPARE(clicksDuring([&] { QApplication::sendEvent(control(focus), &press); }),
        (QMap<QString, int> {}));
    QCOMPARE(QApplication::focusWidget(), control(focus));
    QCOMPARE(qobject_cast<QLineEdit *>(control("Text1"))->text(), boxText);
}

void WindowsPlayKeysTest::wholeGameByKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("arrows") << QList<int> { Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right };
    QTest::newRow("↑ Z X C") << QList<int> { Qt::Key_Up, Qt::Key_Z, Qt::Key_X, Qt::Key_C };
}

void WindowsPlayKeysTest::wholeGameByKeys()
{
    QFETCH(QList<int>, keys);
    for (int key : keys) {
        const QString text = key == Qt::Key_Z || key == Qt::Key_X || key == Qt::Key_C
            ? QString(QChar(char16_t(key)).toLower())
            : QString();
        QTest::sendKeyEvent(
            QTest::Click, QApplication::focusWidget(), Qt::Key(key), text, Qt::NoModifier);
    }
    const auto &fields = m_main->controller().fields();
    QCOMPARE(fields.timgoukei, 3);
    QVERIFY(!fields.yakumei.empty());
    QVERIFY(control("cmstart")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control("cmstart"));
}

void WindowsPlayKeysTest::escapeHidesHelpWindow_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("focus");
    QTest::newRow("terms, on OK") << "Cmkaisetu"
                                  << "Command1";
    QTest::newRow("operation, in a box") << "Cmsousa"
                                         << "Text1";
}

void WindowsPlayKeysTest::escapeHidesHelpWindow()
{
    QFETCH(QString, opener);
    QFETCH(QString, focus);
    qobject_cast<QAbstractButton *>(control(opener))->click();
    QPointer<ui::HelpWindow> help = m_main->helpWindow(
        opener == "Cmsousa" ? reel::HelpWindow::Fsousa : reel::HelpWindow::Fkaisetu);
    QVERIFY(help && help->isVisible());
    QTest::keyClick(help->findChild<QWidget *>(focus), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Hidden as by OK, not discarded as by the close box.
    QVERIFY(help);
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(WindowsPlayKeysTest)
#include "tst_windows_playkeys.moc"
