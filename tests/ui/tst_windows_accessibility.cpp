// What assistive tools learn of the main window: the names and descriptions
// of the reel buttons, the names of the labels, and the new messages.
#include "ui/classic/formlabel.h"
#include "ui/classic/mainwindow.h"
#include "ui/classic/pushbutton.h"
#include "ui_testpictures.h"

#include <QAccessible>
#include <QtTest>

// Qt reports accessibility events only while a tool listens; the platform's
// switch for that is not public.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>
#include <vector>

namespace {

struct Heard {
    QObject *object;
    QAccessible::Event type;
    QString name; // as the tool reads it when the event arrives
};

std::vector<Heard> heard;

void listen(QAccessibleEvent *event)
{
    QString name;
    // Only a name change is asked for its name: other events come from
    // widgets being made or taken apart.
    if (event->type() == QAccessible::NameChanged && event->accessibleInterface())
        name = event->accessibleInterface()->text(QAccessible::Name);
    heard.push_back({ event->object(), event->type(), name });
}

QString nameOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class WindowsAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void reelButtonsTellReelAndMove_data();
    void reelButtonsTellReelAndMove();
    void labelsAreNamedByTheirText_data();
    void labelsAreNamedByTheirText();
    void newMessagesAreAnnounced_data();
    void newMessagesAreAnnounced();

private:
    std::vector<Heard> nameChangesOf(QObject *object) const
    {
        std::vector<Heard> changes;
        for (const Heard &h : heard)
            if (h.object == object && h.type == QAccessible::NameChanged)
                changes.push_back(h);
        return changes;
    }

    QAccessible::UpdateHandler m_previousHandler = nullptr;
    std::unique_ptr<ui::MainWindow> m_main;
};

void WindowsAccessibilityTest::initTestCase()
{
    QPlatformAccessibility *platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
    m_previousHandler = QAccessible::installUpdateHandler(listen);
}

void WindowsAccessibilityTest::cleanupTestCase()
{
    QAccessible::installUpdateHandler(m_previousHandler);
}

void WindowsAccessibilityTest::init()
{
    m_main = std::make_unique<ui::MainWindow>(uitest::stripPictures());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    heard.clear();
}

void WindowsAccessibilityTest::cleanup() { m_main.reset(); }

void WindowsAccessibilityTest::reelButtonsTellReelAndMove_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reel");
    QTest::addColumn<QString>("move");
    const QString stop = QStringLiteral("stop");
    const QString up = QStringLiteral("▲");
    const QString down = QStringLiteral("▼");
    const QString left = QStringLiteral("左");
    const QString centre = QStringLiteral("中");
    const QString right = QStringLiteral("右");
    const QString stops = QStringLiteral("止");
    const QString upwards = QStringLiteral("上");
    const QString downwards = QStringLiteral("下");
    QTest::newRow("r1stop") << "r1stop" << stop << left << stops;
    QTest::newRow("r2stop") << "r2stop" << stop << centre << stops;
    QTest::newRow("r3stop") << "r3stop" << stop << right << stops;
    QTest::newRow("r1ue") << "r1ue" << up << left << upwards;
    QTest::newRow("r2ue") << "r2ue" << up << centre << upwards;
    QTest::newRow("r3ue") << "r3ue" << up << right << upwards;
    QTest::newRow("r1sita") << "r1sita" << down << left << downwards;
    QTest::newRow("r2sita") << "r2sita" << down << centre << downwards;
    QTest::newRow("r3sita") << "r3sita" << down << right << downwards;
}

// The name is the caption as shown; the description names this reel and
// this move, and no other.
void WindowsAccessibilityTest::reelButtonsTellReelAndMove()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, reel);
    QFETCH(QString, move);
    auto *widget = m_main->findChild<ui::PushButton *>(button);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(widget->text(), name);
    QCOMPARE(iface->text(QAccessible::Name), name);

    const QString description = iface->text(QAccessible::Description);
    QVERIFY2(description.contains(QStringLiteral("リール")), qPrintable(description));
    for (const QString &word : { QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右") })
        QVERIFY2(description.contains(word) == (word == reel), qPrintable(description));
    for (const QString &word : { QStringLiteral("止"), QStringLiteral("上"), QStringLiteral("下") })
        QVERIFY2(description.contains(word) == (word == move), qPrintable(description));
}

void WindowsAccessibilityTest::labelsAreNamedByTheirText_data()
{
    QTest::addColumn<QString>("label");
    ui::MainWindow window(uitest::stripPictures());
    const auto labels = window.findChildren<ui::FormLabel *>();
    QVERIFY(!labels.isEmpty());
    for (const ui::FormLabel *label : labels)
        QTest::newRow(qPrintable(label->objectName())) << label->objectName();
}

// Every label on the window, the settings table's blanks and all.
void WindowsAccessibilityTest::labelsAreNamedByTheirText()
{
    QFETCH(QString, label);
    auto *widget = m_main->findChild<ui::FormLabel *>(label);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::StaticText);
    QVERIFY(!widget->text().isEmpty());
    QCOMPARE(iface->text(QAccessible::Name), widget->text());
}

void WindowsAccessibilityTest::newMessagesAreAnnounced_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("press");
    QTest::newRow("left ▲") << QStringList() << "r1ue";
    QTest::newRow("centre ▼") << QStringList() << "r2sita";
    QTest::newRow("right ▲") << QStringList() << "r3ue";
    QTest::newRow("start blanks both") << QStringList() << "cmstart";
    QTest::newRow("third stop") << QStringList { "cmstart", "r3stop", "r1stop" } << "r2stop";
}

// Each message label whose text the press changes tells of it exactly once,
// and the tool then reads the new text.
void WindowsAccessibilityTest::newMessagesAreAnnounced()
{
    QFETCH(QStringList, before);
    QFETCH(QString, press);
    for (const QString &name : before) {
        auto *button = m_main->findChild<ui::PushButton *>(name);
        QVERIFY(button && button->isEnabled());
        button->click();
    }
    auto *pressed = m_main->findChild<ui::PushButton *>(press);
    QVERIFY(pressed && pressed->isEnabled());

    const QStringList messages { QStringLiteral("lbtamaya"), QStringLiteral("lbyakumei") };
    QStringList old;
    for (const QString &name : messages)
        old << m_main->findChild<ui::FormLabel *>(name)->text();
    heard.clear();
    pressed->click();

    for (int i = 0; i < messages.size(); ++i) {
        auto *label = m_main->findChild<ui::FormLabel *>(messages[i]);
        // Otherwise the row tests nothing.
        QVERIFY2(label->text() != old[i], qPrintable(messages[i]));
        const std::vector<Heard> changes = nameChangesOf(label);
        QCOMPARE(changes.size(), std::size_t(1));
        QCOMPARE(changes.front().name, label->text());
        QCOMPARE(nameOf(label), label->text());
    }
}

QTEST_MAIN(WindowsAccessibilityTest)
#include "tst_windows_accessibility.moc"
