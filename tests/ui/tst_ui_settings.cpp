// The settings as declared once: what a stored value reads as, a value that is
// missing, of the wrong kind or out of range reading as the default, and what
// is written back.
#include "ui/common/settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }

    void numbersOutOfRangeReadAsTheDefault_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("read");
        QTest::newRow("missing") << QVariant() << 0;
        QTest::newRow("in range") << QVariant(QStringLiteral("7")) << 7;
        QTest::newRow("the most") << QVariant(10) << 10;
        QTest::newRow("above") << QVariant(11) << 0;
        QTest::newRow("below") << QVariant(-1) << 0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("a fraction") << QVariant(QStringLiteral("2.5")) << 0;
    }

    void numbersOutOfRangeReadAsTheDefault()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, read);
        if (stored.isValid())
            QSettings().setValue(QString::fromLatin1(ui::settings::kDrillTimeLimit.key), stored);
        QCOMPARE(ui::settings::kDrillTimeLimit.read(), read);
    }

    void choiceReadsTheOtherWordOnly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("other");
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("the default") << QStringLiteral("weakness") << false;
        QTest::newRow("the other") << QStringLiteral("play") << true;
        QTest::newRow("unknown") << QStringLiteral("Play") << false;
    }

    void choiceReadsTheOtherWordOnly()
    {
        QFETCH(QString, stored);
        QFETCH(bool, other);
        if (!stored.isNull())
            QSettings().setValue(QString::fromLatin1(ui::settings::kDrillMode.key), stored);
        QCOMPARE(ui::settings::kDrillMode.readOther(), other);
    }

    // Written as the keys the earlier versions wrote, so that a player's
    // settings carry over.
    void writtenUnderTheirKeys()
    {
        ui::settings::kDrillMode.writeOther(true);
        ui::settings::kDrillDelay.write(3);
        ui::settings::windowPlace(ui::settings::kChartWindow).write("place");
        const QSettings stored;
        QCOMPARE(stored.value(QStringLiteral("drill/mode")).toString(), QStringLiteral("play"));
        QCOMPARE(stored.value(QStringLiteral("drill/delaySeconds")).toInt(), 3);
        QCOMPARE(stored.value(QStringLiteral("windows/chart/geometry")).toByteArray(),
            QByteArray("place"));
        ui::settings::kDrillMode.writeOther(false);
        QCOMPARE(
            QSettings().value(QStringLiteral("drill/mode")).toString(), QStringLiteral("weakness"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_ui_settings.moc"
