// The drill window: answering by key, the feedback, going on, the time limit
// on a hand-driven clock, what the pattern view says and shows, and the
// progress store's messages.
#include "drill/lookalikes.h"
#include "drill/patterns.h"
#include "fakesessiontiming.h"
#include "judge/table.h"
#include "ui/classic/mainwindow.h"
#include "ui/common/texts.h"
#include "ui/drill/drilltexts.h"
#include "ui/drill/drillwindow.h"
#include "ui/drill/patternview.h"
#include "ui/drill/settingsdialog.h"
#include "ui/drill/statisticsdialog.h"
#include "ui_mainreels.h"
#include "ui_testpictures.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// Qt reports accessibility events only while a tool listens; the platform's
// switch for that is not public.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

Q_DECLARE_METATYPE(judge::Pattern)
Q_DECLARE_METATYPE(drill::Outcome)

namespace {

judge::Category categoryOf(judge::Pattern p)
{
    return judge::categoryOf(judge::judge(p.left, p.centre, p.right));
}

struct Heard {
    QObject *object;
    QAccessible::Event type;
    QString text; // the name or description the event is about, read when it arrives
};
std::vector<Heard> heard;

void listen(QAccessibleEvent *event)
{
    QString text;
    if (event->type() == QAccessible::NameChanged && event->accessibleInterface())
        text = event->accessibleInterface()->text(QAccessible::Name);
    if (event->type() == QAccessible::DescriptionChanged && event->accessibleInterface())
        text = event->accessibleInterface()->text(QAccessible::Description);
    heard.push_back({ event->object(), event->type(), text });
}

// A category the pattern and its look-alikes do not have.
int wrongCategory(judge::Pattern p)
{
    const drill::CategorySet right = drill::machineLookAlikes().rightCategories(p);
    for (int n = 1; n <= judge::kCategoryCount; ++n)
        if (!right.test(std::size_t(n)))
            return n;
    return 0;
}

} // namespace

class DrillWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_pictures = uitest::stripPictures();
    }

    void init()
    {
        QSettings().remove(QStringLiteral("drill"));
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_window = makeWindow(m_folder->path());
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void numberKeysAnswer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("%d", n) << int(Qt::Key_0) + n << Qt::KeyboardModifiers();
        QTest::newRow("keypad 4") << int(Qt::Key_4) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }

    // The key goes to the window as typed keys do, and answers with its category.
    void numberKeysAnswer()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key), modifiers);
        QVERIFY(m_window->isAnswered());
        const auto &log = m_window->store().progress().log;
        QCOMPARE(log.size(), std::size_t(1));
        QCOMPARE(int(log.back().chosen), key - int(Qt::Key_0));
        QCOMPARE(log.back().pattern, std::uint16_t(drill::indexOf(m_window->currentPattern())));
        // A second key does not answer again.
        QTest::keyClick(m_window->windowHandle(), Qt::Key_1);
        QCOMPARE(m_window->store().progress().log.size(), std::size_t(1));
    }

    void feedbackText_data()
    {
        QTest::addColumn<drill::Outcome>("outcome");
        QTest::addColumn<QString>("text");
        using C = judge::Category;
        const auto set = [](std::initializer_list<int> numbers) {
            drill::CategorySet categories;
            for (int n : numbers)
                categories.set(std::size_t(n));
            return categories;
        };
        const QString big
            = QStringLiteral("2 リーチ目 BIG\nリーチ目。\nＢＩＧです。\nか～ぎ～や～！");
        QTest::newRow("right") << drill::Outcome { { 3, 2, 14 }, C::reachBig, true, set({ 2 }), {} }
                               << QStringLiteral("正解　") + big;
        QTest::newRow("wrong") << drill::Outcome { { 3, 2, 14 }, C::bonus, false, set({ 2 }), {} }
                               << QStringLiteral("不正解　正しくは ") + big;
        QTest::newRow("time out") << drill::Outcome { { 3, 2, 14 }, std::nullopt, false, set({ 2 }),
            {} } << QStringLiteral("不正解（時間切れ）　正しくは ") + big;
        QTest::newRow("no cheer") << drill::Outcome { { 1, 2, 15 }, C::smallWin, true, set({ 5 }),
            {} } << QStringLiteral("正解　5 小役\nチェリー");
        // Any category of the look counts, and the other patterns of the look are
        // given with their results on one line each.
        QTest::newRow("shared look")
            << drill::Outcome { { 1, 2, 3 }, C::smallWin, true, set({ 3, 5 }), { { 1, 2, 15 } } }
            << QStringLiteral(
                   "正解　3 リーチ目 REG、5 小役\nリーチ目\n残念！ＲＥＧです。\nか～ぎ～や～！\n"
                   "1 2 3 と同じ見た目の出目があります：\n1 2 15　5 小役　チェリー");
    }

    void feedbackText()
    {
        QFETCH(drill::Outcome, outcome);
        QFETCH(QString, text);
        QCOMPARE(ui::feedbackText(outcome), text);
    }

    void feedbackIsShown_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("right") << "right";
        QTest::newRow("wrong") << "wrong";
        QTest::newRow("time out") << "none";
    }

    // The label tells of the pattern asked and the answer given, and the log keeps
    // whether it was right.
    void feedbackIsShown()
    {
        QFETCH(QString, answer);
        const judge::Pattern p = m_window->currentPattern();
        std::optional<judge::Category> chosen;
        if (answer == QLatin1String("right")) {
            chosen = categoryOf(p);
            m_window->answer(judge::number(*chosen));
        } else if (answer == QLatin1String("wrong")) {
            chosen = judge::categoryFromNumber(wrongCategory(p));
            m_window->answer(judge::number(*chosen));
        } else {
            m_window->applySettings({ drill::Mode::weakness, {}, 1, 0 });
            activate(true);
            m_time.now += 1000;
            QVERIFY(m_time.limitTicks->fire());
        }
        const judge::Pattern asked = m_window->currentPattern();
        const drill::LookAlikes &looks = drill::machineLookAlikes();
        const bool right = answer == QLatin1String("right");
        QCOMPARE(m_window->feedbackLabel()->text(),
            ui::feedbackText(
                { asked, chosen, right, looks.rightCategories(asked), looks.sameLook(asked) }));
        QCOMPARE(m_window->store().progress().log.back().right, right);
    }

    void enterOrSpaceGoesOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }

    void enterOrSpaceGoesOn()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        const judge::Pattern first = m_window->currentPattern();
        // Not before an answer.
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key), modifiers);
        QVERIFY(!m_window->isAnswered());
        QCOMPARE(m_window->currentPattern(), first);

        QTest::keyClick(m_window->windowHandle(), Qt::Key_5);
        QVERIFY(!m_time.advance->isEnabled()); // no delay by default
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key), modifiers);
        QVERIFY(!m_window->isAnswered());
        QVERIFY(!(m_window->currentPattern() == first));
        QVERIFY(m_window->feedbackLabel()->text().isEmpty());
    }

    void delayGoesOnByItself()
    {
        m_window->applySettings({ drill::Mode::play, {}, 0, 3 });
        m_window->answer(1);
        QCOMPARE(m_time.advance->state, (FakeTimer::State { 3000, true }));
        QVERIFY(m_time.advance->fire());
        QVERIFY(!m_window->isAnswered());
        QVERIFY(!m_time.advance->isEnabled());
        QCOMPARE(m_window->store().progress().log.size(), std::size_t(1));
    }

    // The limit counts only while the window is active, and a pattern whose time
    // runs out is answered with none.
    void timeLimitRunsOut()
    {
        m_window->applySettings({ drill::Mode::weakness, {}, 3, 0 });
        activate(true);
        QVERIFY(m_time.limitTicks->isEnabled());
        m_time.now += 1500;
        activate(false);
        QVERIFY(!m_time.limitTicks->isEnabled());
        m_time.now += 60'000;
        activate(true);
        QVERIFY(m_time.limitTicks->fire());
        QCOMPARE(m_window->timeLeftLabel()->text(), QStringLiteral("残り 2 秒"));
        m_time.now += 1499;
        QVERIFY(m_time.limitTicks->fire());
        QVERIFY(!m_window->isAnswered());
        m_time.now += 1;
        QVERIFY(m_time.limitTicks->fire());
        QVERIFY(m_window->isAnswered());
        QVERIFY(!m_time.limitTicks->isEnabled());
        QCOMPARE(int(m_window->store().progress().log.back().chosen), 0);
    }

    // A click on an answer button leaves the keys with the drill.
    void nothingTakesTheFocus()
    {
        const auto children = m_window->findChildren<QWidget *>();
        for (QWidget *child : children)
            QVERIFY2(
                !(child->focusPolicy() & Qt::TabFocus) && !(child->focusPolicy() & Qt::ClickFocus),
                qPrintable(child->metaObject()->className() + (u' ' + child->objectName())));
        auto buttons = m_window->findChildren<QPushButton *>();
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
        QVERIFY(m_window->isAnswered());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Space);
        QVERIFY(!m_window->isAnswered());
    }

    // The feedback label announces each new text once, as the main window's
    // labels do, and the view its new description.
    void changesAreAnnounced()
    {
        QPlatformAccessibility *platform
            = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        const auto previous = QAccessible::installUpdateHandler(listen);
        heard.clear();
        m_window->answer(1);
        const QString said = m_window->feedbackLabel()->text();
        m_window->nextPattern();
        QAccessible::installUpdateHandler(previous);
        platform->setActive(false);

        std::vector<QString> feedback, description;
        for (const Heard &h : heard) {
            if (h.object == m_window->feedbackLabel() && h.type == QAccessible::NameChanged)
                feedback.push_back(h.text);
            if (h.object == m_window->patternView() && h.type == QAccessible::DescriptionChanged)
                description.push_back(h.text);
        }
        QCOMPARE(feedback, std::vector<QString> { said });
        QCOMPARE(
            description, std::vector<QString> { ui::describePattern(m_window->currentPattern()) });
    }

    void viewDescribesPattern_data()
    {
        QTest::addColumn<judge::Pattern>("pattern");
        QTest::addColumn<QString>("description");
        QTest::newRow("3 2 14") << judge::Pattern { 3, 2, 14 }
                                << QStringLiteral(
                                       "3 2 14: 左 大山 ３尺玉 雷光丸、中 リプレイ ３尺玉 "
                                       "チェリー、右 ３尺玉 大山 リプレイ");
        QTest::newRow("rows wrap to cell 1")
            << judge::Pattern { 20, 21, 21 }
            << QStringLiteral(
                   "20 21 21: 左 ３尺玉 リプレイ 青７、中 大山 青７ リプレイ、右 チェリー "
                   "青７ ３尺玉");
    }

    void viewDescribesPattern()
    {
        QFETCH(judge::Pattern, pattern);
        QFETCH(QString, description);
        ui::PatternView view(m_pictures);
        view.setPattern(pattern);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&view);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("出目"));
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void viewEqualsMainWindow_data()
    {
        QTest::addColumn<judge::Pattern>("pattern");
        QTest::newRow("1 1 1") << judge::Pattern { 1, 1, 1 };
        QTest::newRow("21 2 20") << judge::Pattern { 21, 2, 20 };
        QTest::newRow("3 2 14") << judge::Pattern { 3, 2, 14 };
    }

    void viewEqualsMainWindow()
    {
        QFETCH(judge::Pattern, pattern);
        const ui::StripPictures pictures = uitest::columnMarkedPictures();
        const QImage mainShot = uitest::mainWindowShowing(pictures, pattern);

        ui::PatternView view(pictures);
        view.setPattern(pattern);
        const QImage viewShot = view.grab().toImage();
        const QPoint origin = ui::PatternView::areaInMainWindow().topLeft();
        for (int r = 0; r < 3; ++r) {
            const QRect opening = ui::PatternView::opening(r);
            QCOMPARE(opening.size(), QSize(95, 271));
            QCOMPARE(viewShot.copy(opening), mainShot.copy(opening.translated(origin)));
        }
    }

    void storeStatusIsShown_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("none yet") << QByteArray() << QString();
        QTest::newRow("not ours") << QByteArray("hello") << QStringLiteral("壊れていたので");
        QTest::newRow("newer") << QByteArray("reachme drill progress\nversion 99\n")
                               << QStringLiteral("新しい版のものです。そのままにして、記録せずに");
        QTest::newRow("held by another")
            << QByteArray("lock") << QStringLiteral("読むだけで、記録しません");
    }

    void storeStatusIsShown()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QTemporaryDir folder;
        std::unique_ptr<ui::DrillWindow> first;
        if (file == "lock") {
            first = makeWindow(folder.path());
        } else if (!file.isEmpty()) {
            QFile progress(folder.filePath(drill::ProgressStore::kFileName));
            QVERIFY(progress.open(QIODevice::WriteOnly));
            progress.write(file);
        }
        const auto window = makeWindow(folder.path());
        const QString shown = window->messageLabel()->text();
        if (message.isEmpty())
            QVERIFY(shown.isEmpty());
        else
            QVERIFY2(shown.contains(message), qPrintable(shown));
        QCOMPARE(window->messageLabel()->isVisibleTo(window.get()), !message.isEmpty());
        // The window still works.
        window->answer(1);
        QVERIFY(window->isAnswered());
    }

    // A save that fails is said when it fails, with its reason, not one
    // answer later (the writes are made to fail past a few bytes).
    void failedSaveIsShownAtOnce()
    {
        QTemporaryDir folder;
        const auto window = makeWindow(folder.path());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before {};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit tiny { 10, before.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        window->answer(1);
        const bool shown = QTest::qWaitFor([&] { return !window->messageLabel()->isHidden(); });
        ::setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(shown);
        QVERIFY2(window->messageLabel()->text().contains(
                     QStringLiteral("保存できませんでした（ファイルが大きすぎます）")),
            qPrintable(window->messageLabel()->text()));
    }

    // A new window starts with what the last one chose.
    void settingsAreKept()
    {
        drill::CategorySet reachMe;
        reachMe.set(2).set(3).set(4).set(9);
        const ui::DrillSettings chosen { drill::Mode::play, reachMe, 4, 2 };
        m_window->applySettings(chosen);
        m_window.reset();
        m_window = makeWindow(m_folder->path());
        QCOMPARE(m_window->settings(), chosen);
        QCOMPARE(m_window->scheduler().mode(), drill::Mode::play);
        QCOMPARE(m_window->scheduler().categories(), reachMe);
        QVERIFY(judge::isReachMe(categoryOf(m_window->currentPattern())));
    }

    // With the option on, the reach-me patterns met in play are asked before
    // any other new pattern; off, they are not preferred. The dialog offers
    // it and the choice is kept.
    void metInPlayComeFirst_data()
    {
        QTest::addColumn<bool>("option");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void metInPlayComeFirst()
    {
        QFETCH(bool, option);
        judge::PatternSet met;
        for (const judge::Pattern p : { judge::Pattern { 3, 2, 14 }, judge::Pattern { 5, 9, 1 },
                 judge::Pattern { 17, 4, 20 } })
            met.set(std::size_t(judge::patternIndex(p)));
        ui::DrillSettings chosen;
        chosen.metInPlayFirst = option;
        ui::SettingsDialog dialog(chosen);
        auto *box = dialog.findChild<QCheckBox *>(QStringLiteral("metInPlayFirst"));
        QVERIFY(box && box->text().startsWith(QStringLiteral("実戦で見たリーチ目を先に出す")));
        QCOMPARE(box->isChecked(), option);
        QCOMPARE(dialog.settings(), chosen);

        m_window.reset();
        m_window = makeWindow(m_folder->path());
        m_window->applySettings(chosen);
        m_window->setMetInPlay(met); // before the window shows, as the program gives it
        const auto isMet
            = [&met](judge::Pattern p) { return met.test(std::size_t(judge::patternIndex(p))); };
        for (int question = 0; question < 4; ++question) {
            const judge::Pattern p = m_window->currentPattern();
            QCOMPARE(isMet(p), option && question < 3);
            m_window->answer(judge::number(categoryOf(p)));
            m_window->nextPattern();
        }
        m_window.reset();
        m_window = makeWindow(m_folder->path());
        QCOMPARE(m_window->settings().metInPlayFirst, option);
    }

    void statisticsAndReset_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("wiped");
        QTest::newRow("confirmed") << QStringLiteral("消す") << true;
        QTest::newRow("cancelled") << QStringLiteral("キャンセル") << false;
    }

    void statisticsAndReset()
    {
        QFETCH(QString, button);
        QFETCH(bool, wiped);
        const judge::Category category = categoryOf(m_window->currentPattern());
        m_window->answer(judge::number(category));
        m_window->openStatistics();
        auto *statistics = m_window->findChild<ui::StatisticsDialog *>();
        QVERIFY(statistics);
        const int row = judge::number(category) - 1;
        QCOMPARE(statistics->cellText(row, 1), QStringLiteral("1"));
        QCOMPARE(statistics->cellText(row, 4), QStringLiteral("1 / 1"));

        QTimer::singleShot(0, [button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
        });
        m_window->confirmReset();
        QCOMPARE(m_window->store().progress().log.empty(), wiped);
        QCOMPARE(statistics->cellText(row, 1), wiped ? QStringLiteral("0") : QStringLiteral("1"));
        // This sitting's answers stay.
        QCOMPARE(statistics->cellText(row, 4), QStringLiteral("1 / 1"));
    }

private:
    std::unique_ptr<ui::DrillWindow> makeWindow(const QString &folder)
    {
        return std::make_unique<ui::DrillWindow>(m_pictures, folder, m_time.make());
    }

    void activate(bool active)
    {
        QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(m_window.get(), &event);
    }

    ui::StripPictures m_pictures;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ui::DrillWindow> m_window;
    FakeSessionTiming m_time;
};

QTEST_MAIN(DrillWindowTest)
#include "tst_drill_window.moc"
