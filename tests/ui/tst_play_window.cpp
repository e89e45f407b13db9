// The play window "実戦" on a hand-driven reel clock with seeded machines:
// its reels against the main window's, keys and buttons, the displays by
// their names, bets and replays, ボーナス察知 and 取りこぼし, the judgement,
// frames only while a reel moves, the sitting kept, and new machines.
#include "filesizelimit.h"
#include "judge/table.h"
#include "machine/lottery.h"
#include "play/store/sessionstore.h"
#include "records/store/machinefiles.h"
#include "ui/common/settings.h"
#include "ui/play/playbutton.h"
#include "ui/play/playwindow.h"
#include "ui/play/reelview.h"
#include "ui_mainreels.h"
#include "ui_testpictures.h"

#include <QDialog>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(judge::Pattern)

namespace {

using play::Micros;

class FakeClock : public play::Clock {
public:
    Micros t = 50'000'000;
    Micros now() const override { return t; }
};

// A sitting written where the window will find it.
void putSitting(const QString &folder, const play::SavedSession &sitting)
{
    play::SessionStore store(folder);
    store.save(sitting);
}

play::SavedSession sittingWith(
    const std::function<void(machine::State &)> &change, std::array<int, 3> cells = { 1, 1, 1 })
{
    play::SavedSession s;
    s.machine = machine::newState(4, 77);
    change(s.machine);
    s.cells = cells;
    s.seed = 77;
    return s;
}

// A seed whose first normal game at setting 1 draws these flags.
std::uint64_t seedDrawing(const std::function<bool(machine::Flags)> &wanted)
{
    for (std::uint64_t seed = 1;; ++seed) {
        machine::Machine m(1, seed);
        m.lever();
        if (wanted(m.flags()))
            return seed;
    }
}

} // namespace

class TestPlayWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QSettings().remove(QStringLiteral("play"));
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_clock = std::make_shared<FakeClock>();
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    // At rest the reels show exactly the main window's reel windows; turning
    // at scale 1, whole picture rows slide by.
    void reelsLookLikeTheMainWindow_data()
    {
        QTest::addColumn<judge::Pattern>("pattern");
        QTest::newRow("1 1 1") << judge::Pattern { 1, 1, 1 };
        QTest::newRow("3 2 14") << judge::Pattern { 3, 2, 14 };
        QTest::newRow("21 20 2") << judge::Pattern { 21, 20, 2 };
    }
    void reelsLookLikeTheMainWindow()
    {
        QFETCH(judge::Pattern, pattern);
        const ui::StripPictures pictures = uitest::columnMarkedPictures();
        const QImage mainShot = uitest::mainWindowShowing(pictures, pattern);
        const std::array<int, 3> cells { pattern.left, pattern.centre, pattern.right };
        putSitting(m_folder->path(), sittingWith([](machine::State &) {}, cells));
        open(pictures);
        ui::ReelView *view = m_window->reelView();
        const QImage viewShot = view->grab().toImage();
        const QPoint inMain(88, 41);
        for (int r = 0; r < 3; ++r) {
            const QRect opening(17 + 112 * r, 0, 95, 271);
            QCOMPARE(viewShot.copy(opening), mainShot.copy(opening.translated(inMain)));
        }
        QVERIFY(view->accessibleDescription().startsWith(
            QStringLiteral("%1 %2 %3: 左 ").arg(cells[0]).arg(cells[1]).arg(cells[2])));

        // Turning: every line of a reel window is one picture row, each the
        // row after the one above it.
        QVERIFY(m_window->session().isLit(play::Control::lever));
        m_window->lever();
        QCOMPARE(view->accessibleDescription(), QStringLiteral("回転中"));
        for (const Micros after : { 30'000, 123'457, 500'000 }) {
            m_clock->t += after;
            m_window->frame();
            for (const qreal row : view->rows())
                QCOMPARE(row, qreal(qRound(row)));
            const QImage turning = view->grab().toImage();
            for (int y = 1; y < turning.height(); ++y) {
                const QRgb above = turning.pixel(60, y - 1), here = turning.pixel(60, y);
                if (uitest::isPictureColour(above) && uitest::isPictureColour(here))
                    QCOMPARE(qRed(here), (qRed(above) + 1) & 0xFF);
            }
        }
    }

    void controlsNamedAndUnfocused()
    {
        open();
        QStringList names;
        for (const QWidget *w : m_window->findChildren<QWidget *>())
            if (!w->accessibleName().isEmpty())
                names << w->accessibleName();
        for (const char *name : { "リール", "クレジット", "払い出し", "ゲーム数", "BIG", "REG",
                 "差枚", "残り小役ゲーム", "残りJAC", "JAC入賞", "取りこぼし", "判定", "MAX BET",
                 "レバー", "左停止", "中停止", "右停止", "ボーナス察知" })
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
        for (const QPushButton *b : m_window->findChildren<QPushButton *>())
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        // A click leaves the keys with the window.
        QTest::mouseClick(button("レバー"), Qt::LeftButton);
        QVERIFY(m_window->session().turning());
        QVERIFY(!qobject_cast<QPushButton *>(QApplication::focusWidget()));
    }

    // Each key does what its button does, only when the button is lit, and
    // once however long it is held.
    void keysActAsTheirButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("B") << int(Qt::Key_B) << "MAX BET";
        QTest::newRow("↑") << int(Qt::Key_Up) << "レバー";
        QTest::newRow("Space") << int(Qt::Key_Space) << "レバー";
        QTest::newRow("←") << int(Qt::Key_Left) << "左停止";
        QTest::newRow("Z") << int(Qt::Key_Z) << "左停止";
        QTest::newRow("↓") << int(Qt::Key_Down) << "中停止";
        QTest::newRow("X") << int(Qt::Key_X) << "中停止";
        QTest::newRow("→") << int(Qt::Key_Right) << "右停止";
        QTest::newRow("C") << int(Qt::Key_C) << "右停止";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "ボーナス察知";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "ボーナス察知";
    }
    void keysActAsTheirButtons()
    {
        QFETCH(int, key);
        QFETCH(QString, button);
        for (const bool byKey : { true, false }) {
            cleanup();
            init();
            open();
            PlayButtonState before = state();
            // Not lit yet: nothing happens.
            const bool litAtOnce = this->button(button)->isEnabled();
            if (!litAtOnce) {
                press(key, button, byKey);
                QCOMPARE(state(), before);
                bringToLit(button);
                before = state();
            }
            QVERIFY(this->button(button)->isEnabled());
            // Held down, the key repeats: only the first acts.
            if (byKey) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(m_window.get(), &repeat);
                QCOMPARE(state(), before);
            }
            press(key, button, byKey);
            QVERIFY(state() != before);
            const PlayButtonState after = state();
            press(key, button, byKey);
            QCOMPARE(state(), after);
        }
    }

    // The displays follow the machine: the bet, the payout, 差枚, and what
    // is left of a bonus, shown only in one.
    void displaysAfterGames_data()
    {
        QTest::addColumn<play::SavedSession>("sitting");
        QTest::addColumn<bool>("maxBetLit");
        QTest::addColumn<bool>("linesLit");
        QTest::addColumn<int>("coinsIn"); // after one game
        QTest::addColumn<QStringList>("bonusShown");
        const QStringList none;
        QTest::newRow("a new machine")
            << sittingWith([](machine::State &) {}) << true << false << 3 << none;
        QTest::newRow("after a replay") << sittingWith([](machine::State &s) { s.replay = true; })
                                        << false << true << 0 << none;
        QTest::newRow("a bet placed") << sittingWith([](machine::State &s) {
            s.betPlaced = true;
            s.coins.in = 3;
        }) << false << true << 3 << none;
        QTest::newRow("a REG") << sittingWith([](machine::State &s) {
            s.bonus = machine::startBonus(machine::Bonus::reg);
            s.coins.credit = 10;
        }) << true << false << 1
                               << QStringList { "残りJAC", "JAC入賞" };
        QTest::newRow("a BIG") << sittingWith([](machine::State &s) {
            s.bonus = machine::startBonus(machine::Bonus::big);
        }) << true << false << 3
                               << QStringList { "残り小役ゲーム", "残りJAC", "JAC入賞" };
    }
    void displaysAfterGames()
    {
        QFETCH(play::SavedSession, sitting);
        QFETCH(bool, maxBetLit);
        QFETCH(bool, linesLit);
        QFETCH(int, coinsIn);
        QFETCH(QStringList, bonusShown);
        putSitting(m_folder->path(), sitting);
        open();
        QCOMPARE(button("MAX BET")->isEnabled(), maxBetLit);
        QCOMPARE(lampsLit(), linesLit);
        for (const char *name : { "残り小役ゲーム", "残りJAC", "JAC入賞" })
            QCOMPARE(label(name)->isVisibleTo(m_window.get()),
                bonusShown.contains(QString::fromUtf8(name)));
        QCOMPARE(label("クレジット")->text(), QString::number(sitting.machine.coins.credit));
        m_window->lever();
        QVERIFY(lampsLit());
        const machine::GameResult game = playOut();
        QCOMPARE(m_window->session().machine().state().coins.in, std::int64_t(coinsIn));
        QCOMPARE(label("クレジット")->text(), QString::number(game.credit));
        QCOMPARE(label("払い出し")->text(), QString::number(game.payout));
        QCOMPARE(label("差枚")->text(),
            QString::number(m_window->session().machine().state().coins.difference()));
        QCOMPARE(label("ゲーム数")->text(),
            QString::number(m_window->session().display().gamesSinceBonus));
        QVERIFY(!lampsLit() || m_window->session().machine().state().replay);
    }

    // ボーナス察知 after a game: right with a bonus carried (and a cheer),
    // wrong without; the figures are kept with the sitting.
    void callAfterAGame_data()
    {
        QTest::addColumn<play::SavedSession>("sitting");
        QTest::addColumn<bool>("right");
        QTest::newRow("a BIG carried")
            << sittingWith([](machine::State &s) { s.carried = machine::Bonus::big; }) << true;
        play::SavedSession none = sittingWith([](machine::State &) {});
        none.machine = machine::newState(
            1, seedDrawing([](machine::Flags f) { return f.bonus == machine::Bonus::none; }));
        QTest::newRow("nothing carried") << none << false;
    }
    void callAfterAGame()
    {
        QFETCH(play::SavedSession, sitting);
        QFETCH(bool, right);
        putSitting(m_folder->path(), sitting);
        open();
        QSignalSpy calls(m_window.get(), &ui::PlayWindow::callMade);
        QVERIFY(!button("ボーナス察知")->isEnabled());
        m_window->lever();
        const machine::GameResult game = playOut();
        if (game.code == judge::Code::J01 || game.code == judge::Code::J02)
            QSKIP("the bonus was lined up at once");
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Return);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(label("正解")->text(), right ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(label("不正解")->text(), right ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("cheer"))->text(),
            right ? QStringLiteral("た～ま～や～～！！") : QString());
        QVERIFY(!m_window->findChild<QLabel *>(QStringLiteral("callText"))->text().isEmpty());
        QVERIFY(!button("ボーナス察知")->isEnabled());
        m_window.reset();
        open();
        QCOMPARE(
            m_window->session().calls().right + m_window->session().calls().wrong, std::int64_t(1));
    }

    // A 大山 not lined up lights 取りこぼし for that game, until the lever.
    void noticeForAMissedOoyama()
    {
        const std::uint64_t seed = seedDrawing([](machine::Flags f) {
            return f.small == machine::Small::ooyama && f.bonus == machine::Bonus::none;
        });
        play::SavedSession sitting = sittingWith([](machine::State &) {});
        sitting.machine = machine::newState(1, seed);
        putSitting(m_folder->path(), sitting);
        open();
        // Presses whose stops miss the 大山.
        const machine::Flags flags = machine::drawNormalGame(
            machine::Generator(sitting.machine.generator).draw16(), 1, machine::Bonus::none);
        QCOMPARE(flags.small, machine::Small::ooyama);
        std::optional<std::array<int, 3>> missing;
        for (int i = 0; i < judge::kPatterns && !missing; ++i) {
            const judge::Pattern p = judge::patternAt(i);
            const auto stops = machine::ReelControl::instance().stopAll(
                flags, { p.left, p.centre, p.right }, machine::ControlOption::standard);
            if (judge::judge(stops[0], stops[1], stops[2]) != judge::Code::J17)
                missing = { p.left, p.centre, p.right };
        }
        QVERIFY(missing);
        QCOMPARE(label("取りこぼし")->accessibleDescription(), QStringLiteral("消灯"));
        m_window->lever();
        const machine::GameResult game = playOut(*missing);
        QVERIFY(game.missedOoyama);
        QCOMPARE(label("取りこぼし")->text(), QStringLiteral("取りこぼし！"));
        QCOMPARE(label("取りこぼし")->accessibleDescription(), QStringLiteral("点灯"));
        m_window->lever();
        QCOMPARE(label("取りこぼし")->accessibleDescription(), QStringLiteral("消灯"));
    }

    void judgementWhenChosen_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("off, as at first") << false;
        QTest::newRow("on") << true;
    }
    void judgementWhenChosen()
    {
        QFETCH(bool, shown);
        open();
        ui::PlaySettings settings = m_window->settings();
        QVERIFY(!settings.showJudgement);
        settings.showJudgement = shown;
        m_window->applySettings(settings);
        m_window->lever();
        const machine::GameResult game = playOut();
        QLabel *judgement = label("判定");
        QCOMPARE(judgement->isVisibleTo(m_window.get()), shown);
        const judge::Message message = judge::message(game.code);
        QVERIFY(judgement->text().endsWith(
            QString::fromUtf8(message.yakumei.data(), qsizetype(message.yakumei.size()))
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        QCOMPARE(judgement->text().startsWith(QStringLiteral("か～ぎ～や～！")),
            !message.tamaya.empty());
        m_window->lever();
        QVERIFY(judgement->text().isEmpty());
    }

    // Frames run only while a reel moves: none at all while they stand.
    void framesOnlyWhileTheReelsMove()
    {
        m_clock.reset();
        open(uitest::stripPictures(), true);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(!m_window->frameTimer().isActive());
        int paints = 0;
        PaintCounter counter(m_window->reelView(), paints);
        QTest::qWait(100);
        QCOMPARE(paints, 0);
        m_window->lever();
        QVERIFY(m_window->frameTimer().isActive());
        QVERIFY(QTest::qWaitFor([&] { return paints >= 3; }, 2000));
        for (int reel = 0; reel < 3; ++reel) {
            QVERIFY(QTest::qWaitFor(
                [&] { return m_window->session().isLit(stopControl(reel)); }, 2000));
            m_window->stop(reel);
        }
        QVERIFY(QTest::qWaitFor([&] { return !m_window->session().turning(); }, 2000));
        QVERIFY(!m_window->frameTimer().isActive());
        QTest::qWait(50);
        paints = 0;
        QTest::qWait(150);
        QCOMPARE(paints, 0);
    }

    // The sitting comes back as it was left: the machine, where the reels
    // stand, the calls, the setting hidden, the seed.
    void sittingKept()
    {
        ui::settings::kPlaySetting.write(0);
        open();
        QVERIFY(!m_window->settingShown());
        QCOMPARE(label("設定", true)->text(), QStringLiteral("設定 ？"));
        const std::uint64_t seed = m_window->seed();
        QSignalSpy recorded(m_window.get(), &ui::PlayWindow::gameRecorded);
        std::vector<records::GameRow> rows;
        for (int game = 0; game < 5; ++game) {
            m_window->lever();
            rows.push_back(records::rowOf(playOut()));
        }
        QCOMPARE(recorded.size(), 5);
        QCOMPARE(recorded.last().at(0).value<records::GameRow>(), rows.back());
        const machine::State state = m_window->session().machine().state();
        const std::array<int, 3> cells = m_window->session().cells();
        m_window.reset();
        open();
        QVERIFY(m_window->session().machine().state() == state);
        QCOMPARE(m_window->session().cells(), cells);
        QCOMPARE(m_window->seed(), seed);
        QVERIFY(m_window->history().rows() == rows);
        QVERIFY(!m_window->settingShown());
        QSignalSpy revealed(m_window.get(), &ui::PlayWindow::settingRevealed);
        m_window->revealSetting();
        QCOMPARE(revealed.size(), 1);
        QCOMPARE(m_window->machineSetting(), state.setting);
        QCOMPARE(label("設定", true)->text(),
            QStringLiteral("設定 %1").arg(QChar(u'０' + state.setting)));
        m_window.reset();
        open();
        QVERIFY(m_window->settingShown());
    }

    // A new machine handed over: at once on a machine not yet played, after
    // a confirmation on one in play, and not while the reels turn.
    void newMachineHandedOver_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("nothing played") << 0 << false << true;
        QTest::newRow("in play, accepted") << 2 << true << true;
        QTest::newRow("in play, refused") << 2 << false << false;
    }
    void newMachineHandedOver()
    {
        QFETCH(int, games);
        QFETCH(bool, accept);
        QFETCH(bool, replaced);
        open();
        for (int game = 0; game < games; ++game) {
            m_window->lever();
            playOut();
        }
        QSignalSpy replacements(m_window.get(), &ui::PlayWindow::machineReplaced);
        if (games > 0) {
            // While the reels turn the question waits for the game's end.
            m_window->lever();
            m_window->requestNewMachine(6, 4242);
            QVERIFY(!m_window->findChild<QDialog *>(QStringLiteral("requestedMachine")));
            playOut();
        } else {
            m_window->requestNewMachine(6, 4242);
        }
        auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("requestedMachine"));
        QCOMPARE(dialog != nullptr, games > 0);
        if (dialog) {
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        }
        QCOMPARE(replacements.size(), replaced ? 1 : 0);
        QCOMPARE(m_window->seed() == 4242, replaced);
        if (replaced) {
            QCOMPARE(m_window->session().machine().state(), machine::newState(6, 4242));
            QVERIFY(m_window->settingShown());
            // The history begins again, the one before kept.
            QVERIFY(m_window->history().empty());
            const QDir machineFolder(records::machinefiles::folder(m_folder->path()));
            QCOMPARE(machineFolder.entryList({ "history.past-*.csv" }, QDir::Files).size(),
                games > 0 ? 1 : 0);
            m_window.reset();
            open();
            QCOMPARE(m_window->seed(), std::uint64_t(4242));
        }
    }

    // What became of a sitting that could not serve is said in the window,
    // which plays on.
    void sittingMessages_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("none yet") << QByteArray() << QString();
        QTest::newRow("damaged") << QByteArray("reachme play session\nversion 1\nreels 1")
                                 << QStringLiteral("壊れていたので");
        QTest::newRow("newer") << QByteArray("reachme play session\nversion 7\n")
                               << QStringLiteral("新しい版のものです。そのままにして、記録せずに");
        QTest::newRow("held by another")
            << QByteArray("lock") << QStringLiteral("ほかで開いている実戦が台を使っています");
    }
    void sittingMessages()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        std::unique_ptr<ui::PlayWindow> first;
        if (file == "lock") {
            open();
            first = std::move(m_window);
        } else if (!file.isEmpty()) {
            const QDir folder(records::machinefiles::folder(m_folder->path()));
            QVERIFY(folder.mkpath(QStringLiteral(".")));
            QFile sitting(folder.filePath(records::machinefiles::kStateName));
            QVERIFY(sitting.open(QIODevice::WriteOnly));
            sitting.write(file);
        }
        open();
        auto *shown = m_window->findChild<QLabel *>(QStringLiteral("message"));
        QVERIFY2(message.isEmpty() ? shown->text().isEmpty() : shown->text().contains(message),
            qPrintable(shown->text()));
        QCOMPARE(shown->isVisibleTo(m_window.get()), !message.isEmpty());
        m_window->lever();
        QCOMPARE(playOut().game, std::int64_t(1));
    }

    // A game's row the history cannot take (a full disk) is said at once,
    // like a failed save, and written with the next game that can be.
    void historyWriteFailureShown()
    {
        open();
        m_window->lever();
        playOut();
        auto *shown = m_window->findChild<QLabel *>(QStringLiteral("message"));
        QVERIFY(shown->text().isEmpty());
        const QString history = m_window->store().history().filePath();
        {
            const FileSizeLimit full(rlim_t(QFileInfo(history).size()));
            m_window->lever();
            playOut();
            QVERIFY2(shown->text().contains(QStringLiteral("ゲームの履歴を")),
                qPrintable(shown->text()));
            QVERIFY(shown->isVisibleTo(m_window.get()));
        }
        m_window->lever();
        playOut();
        QVERIFY(!shown->text().contains(QStringLiteral("ゲームの履歴")));
        QCOMPARE(m_window->store().history().unwritten(), 0u);
        QCOMPARE(m_window->history().rows().size(), 3u);
    }

private:
    using PlayButtonState = std::tuple<std::int64_t, bool, int, std::int64_t, std::int64_t>;

    struct PaintCounter : QObject {
        PaintCounter(QWidget *w, int &count)
            : m_count(count)
        {
            w->installEventFilter(this);
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++m_count;
            return false;
        }
        int &m_count;
    };

    static play::Control stopControl(int reel)
    {
        return play::Control(int(play::Control::stopLeft) + reel);
    }

    void open(const ui::StripPictures &pictures = uitest::stripPictures(), bool realTime = false)
    {
        ui::PlayTiming timing;
        if (realTime) {
            timing = ui::systemPlayTiming();
        } else {
            timing.clock = m_clock;
            timing.frameTimer = false;
        }
        timing.seeds = [] { return std::uint64_t(31337); };
        m_window = std::make_unique<ui::PlayWindow>(pictures, m_folder->path(), timing);
        m_window->show();
    }

    ui::PlayButton *button(const QString &name) const
    {
        for (ui::PlayButton *b : m_window->findChildren<ui::PlayButton *>())
            if (b->accessibleName() == name)
                return b;
        return nullptr;
    }
    ui::PlayButton *button(const char *name) const { return button(QString::fromUtf8(name)); }
    QLabel *label(const char *name, bool byText = false) const
    {
        for (QLabel *l : m_window->findChildren<QLabel *>())
            if (byText ? l->text().startsWith(QString::fromUtf8(name))
                       : l->accessibleName() == QString::fromUtf8(name))
                return l;
        return nullptr;
    }
    bool lampsLit() const
    {
        for (QLabel *l : m_window->findChildren<QLabel *>())
            if (l->text().endsWith(QStringLiteral("MEDAL")))
                return l->accessibleDescription() == QStringLiteral("点灯");
        return false;
    }

    // What a control's press changes.
    PlayButtonState state() const
    {
        const play::Session &s = m_window->session();
        return { s.machine().state().coins.in, s.turning(), s.machine().nextReel(), s.calls().right,
            s.calls().wrong };
    }

    void press(int key, const QString &name, bool byKey)
    {
        if (byKey)
            QTest::keyClick(m_window->windowHandle(), Qt::Key(key));
        else
            QTest::mouseClick(button(name), Qt::LeftButton);
    }

    // Plays on until the named control is lit: a lever, the stops before
    // it, time.
    void bringToLit(const QString &name)
    {
        for (int step = 0; step < 10000 && !button(name)->isEnabled(); ++step) {
            const play::Session &s = m_window->session();
            const int next = s.machine().nextReel();
            if (!s.turning())
                m_window->lever();
            else if (next < 3 && s.isLit(stopControl(next)) && stopName(next) != name)
                m_window->stop(next);
            else
                tick();
        }
    }
    static QString stopName(int reel)
    {
        return std::array { QStringLiteral("左停止"), QStringLiteral("中停止"),
            QStringLiteral("右停止") }[std::size_t(reel)];
    }

    void tick(Micros by = 1000)
    {
        m_clock->t += by;
        m_window->frame();
    }

    // Stops the reels of the game under way, each as soon as it can be, or
    // at the given press cells; returns the game once it is shown.
    machine::GameResult playOut(std::optional<std::array<int, 3>> cells = std::nullopt)
    {
        QSignalSpy shown(m_window.get(), &ui::PlayWindow::gameInView);
        const play::Session &s = m_window->session();
        while (s.turning() && shown.isEmpty()) {
            const int reel = s.machine().nextReel();
            if (reel < 3 && s.isLit(stopControl(reel))) {
                const play::ReelPosition at = s.reel(reel, m_clock->t);
                const int pressed = at.units == 0 ? at.cell : play::cellsOn(at.cell, 1);
                if (!cells || pressed == (*cells)[std::size_t(reel)]) {
                    m_window->stop(reel);
                    continue;
                }
            }
            tick(500);
        }
        return shown.isEmpty() ? machine::GameResult {}
                               : shown.front().front().value<machine::GameResult>();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::shared_ptr<FakeClock> m_clock;
    std::unique_ptr<ui::PlayWindow> m_window;
};

QTEST_MAIN(TestPlayWindow)
#include "tst_play_window.moc"
