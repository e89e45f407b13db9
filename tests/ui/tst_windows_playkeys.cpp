// The main window's play keys: each plays its button at once, from any
// control but a speed box; held keys and disabled buttons do nothing.
#include "ui/classic/helpwindow.h"
#include "ui/classic/mainwindow.h"
#include "ui_testpictures.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

struct Key {
    int code;
    QString text;
    Qt::KeyboardModifiers modifiers = {};
    bool held = false;
};

} // namespace

Q_DECLARE_METATYPE(Key)

class WindowsPlayKeysTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_main = std::make_unique<ui::MainWindow>(uitest::stripPictures());
        m_main->show();
        QApplication::setActiveWindow(m_main.get());
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void cleanup() { m_main.reset(); }

    // The key goes to the focused control; a letter is known by its text alone.
    void keyPlaysItsButtonAtOnce_data()
    {
        QTest::addColumn<bool>("spinning");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Key>("key");
        QTest::addColumn<QString>("played"); // the button whose handler ran, if any
        QTest::addColumn<QString>("focusAfter");
        QTest::addColumn<QString>("speed");
        auto row = [](const char *name, bool spinning, const char *focus, Key key,
                       const char *played, const char *focusAfter, const char *speed = "100") {
            QTest::newRow(name) << spinning << QString(focus) << key << QString(played)
                                << QString(focusAfter) << QString(speed);
        };
        row("↑ on the title bar", false, "Command4", { Qt::Key_Up, "" }, "cmstart", "r1stop");
        row("← on the right stop", true, "r3stop", { Qt::Key_Left, "" }, "r1stop", "r2stop");
        row("↓ on a help button", true, "Cmkaisetu", { Qt::Key_Down, "" }, "r2stop", "r3stop");
        row("→ on its own stop", true, "r3stop", { Qt::Key_Right, "" }, "r3stop", "r1stop");
        row("z of another layout", true, "r2stop", { Qt::Key_unknown, "z" }, "r1stop", "r2stop");
        row("Shift+X", true, "r1stop", { Qt::Key_X, "X", Qt::ShiftModifier }, "r2stop", "r3stop");
        row("← at rest", false, "cmstart", { Qt::Key_Left, "" }, "", "cmstart");
        row("↑ while spinning", true, "r1stop", { Qt::Key_Up, "" }, "", "r1stop");
        row("held ←", true, "r2stop", { Qt::Key_Left, "", {}, true }, "", "r2stop");
        row("Ctrl+C", true, "r1stop", { Qt::Key_C, "\x03", Qt::ControlModifier }, "", "r1stop");
        row("z in a speed box", true, "Text1", { Qt::Key_Z, "z" }, "", "Text1", "100z");
        row("↑ in a speed box", false, "Text1", { Qt::Key_Up, "" }, "", "Text1");
    }

    void keyPlaysItsButtonAtOnce()
    {
        QFETCH(bool, spinning);
        QFETCH(QString, focus);
        QFETCH(Key, key);
        QFETCH(QString, played);
        QFETCH(QString, focusAfter);
        QFETCH(QString, speed);
        if (spinning)
            press("cmstart");
        QStringList clicked;
        for (const char *name : { "cmstart", "r1stop", "r2stop", "r3stop" })
            connect(qobject_cast<QAbstractButton *>(control(name)), &QAbstractButton::clicked, this,
                [&clicked, name] { clicked << name; });
        m_main->findChild<QWidget *>(focus)->setFocus();

        QKeyEvent event(QEvent::KeyPress, key.code, key.modifiers, key.text, key.held);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        QCOMPARE(clicked, played.isEmpty() ? QStringList() : QStringList { played });
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(qobject_cast<QLineEdit *>(control("Text1"))->text(), speed);
    }

    // Hidden as by OK, not discarded as by the close box; from a text box too.
    void escapeHidesHelpWindow()
    {
        press("Cmsousa");
        QPointer<ui::HelpWindow> help = m_main->helpWindow(reel::HelpWindow::Fsousa);
        QVERIFY(help && help->isVisible());
        QTest::keyClick(help->findChild<QWidget *>("Text1"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(help);
        QVERIFY(!help->isVisible());
    }

private:
    QWidget *control(const char *name) const { return m_main->findChild<QWidget *>(name); }
    void press(const char *name) { qobject_cast<QAbstractButton *>(control(name))->click(); }

    std::unique_ptr<ui::MainWindow> m_main;
};

QTEST_MAIN(WindowsPlayKeysTest)
#include "tst_windows_playkeys.moc"
