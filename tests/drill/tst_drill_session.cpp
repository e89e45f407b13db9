// The drill's session without a window: the time limit, the delay, the
// settings applied and the store's status said once, on a hand-driven clock
// and timers, a recording view and a store that keeps nothing on disk.
#include "drill/patterns.h"
#include "drill/session.h"

#include "fakesessiontiming.h"

#include <QtTest>

#include <vector>

namespace {

using Status = safefile::Status;

class FakeKeeper final : public drill::ProgressKeeper {
public:
    drill::Progress &progress() override { return m_progress; }
    void save() override { ++saves; }
    Status status() const override { return now; }

    Status now = Status::loaded;
    int saves = 0;

private:
    drill::Progress m_progress;
};

class RecordingView final : public drill::SessionView {
public:
    void showQuestion(const judge::Pattern &pattern) override { questions.push_back(pattern); }
    void showOutcome(const drill::Outcome &outcome) override { outcomes.push_back(outcome); }
    void showTimeLeft(const drill::TimeLeft &left) override { timeLeft = left; }
    void showStoreStatus(Status status) override { statuses.push_back(status); }
    void progressChanged() override { ++changes; }

    std::vector<judge::Pattern> questions;
    std::vector<drill::Outcome> outcomes;
    drill::TimeLeft timeLeft;
    std::vector<Status> statuses;
    int changes = 0;
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_keeper = FakeKeeper();
        m_view = RecordingView();
        m_time = FakeSessionTiming();
        m_session = std::make_unique<drill::Session>(m_view, m_keeper, m_time.make());
    }

    void cleanup() { m_session.reset(); }

    // The limit counts only while the window is active; the time left is
    // rounded up and said to be paused behind another window; a pattern
    // whose time runs out is answered with none.
    void timeLimitPausesAndRunsOut()
    {
        m_session->start({ drill::Mode::weakness, {}, 3, 0 });
        QCOMPARE(m_view.timeLeft, (drill::TimeLeft { true, 3, true }));
        QVERIFY(!m_time.limitTicks->isEnabled());
        m_session->setActive(true);
        m_time.now += 1500;
        m_session->setActive(false);
        QCOMPARE(m_view.timeLeft, (drill::TimeLeft { true, 2, true }));
        m_time.now += 60'000;
        m_session->setActive(true);
        QVERIFY(m_time.limitTicks->fire());
        QCOMPARE(m_view.timeLeft, (drill::TimeLeft { true, 2, false }));
        m_time.now += 1499;
        QVERIFY(m_time.limitTicks->fire());
        QVERIFY(!m_session->isAnswered());
        m_time.now += 1;
        QVERIFY(m_time.limitTicks->fire());
        QVERIFY(m_session->isAnswered());
        QCOMPARE(m_view.timeLeft, drill::TimeLeft {});
        QVERIFY(!m_time.limitTicks->isEnabled());
        QCOMPARE(int(m_keeper.progress().log.back().chosen), 0);
        QCOMPARE(m_view.outcomes.size(), std::size_t(1));
        QVERIFY(!m_view.outcomes.back().chosen);
    }

    // After the delay the next pattern comes by itself, once; without one it
    // waits for the player.
    void delayBringsTheNextPattern_data()
    {
        QTest::addColumn<int>("delay");
        QTest::newRow("3 s") << 3;
        QTest::newRow("none") << 0;
    }

    void delayBringsTheNextPattern()
    {
        QFETCH(int, delay);
        m_session->start({ drill::Mode::play, {}, 0, delay });
        m_session->answer(1);
        m_session->answer(2); // answered already
        QCOMPARE(m_keeper.progress().log.size(), std::size_t(1));
        QCOMPARE(m_keeper.saves, 1);
        QCOMPARE(m_view.changes, 1);
        QCOMPARE(m_time.advance->state, (FakeTimer::State { delay * 1000, delay > 0 }));
        QCOMPARE(m_time.advance->fire(), delay > 0);
        QCOMPARE(m_view.questions.size(), std::size_t(delay > 0 ? 2 : 1));
        QCOMPARE(m_session->isAnswered(), delay == 0);
        QVERIFY(!m_time.advance->isEnabled());
    }

    // New settings ask anew at once only while the pattern is unanswered.
    void settingsApplyToAnUnansweredPattern()
    {
        m_session->start({});
        drill::CategorySet reachBig;
        reachBig.set(std::size_t(judge::number(judge::Category::reachBig)));
        m_session->applySettings({ drill::Mode::play, reachBig, 0, 0 });
        QCOMPARE(m_view.questions.size(), std::size_t(2));
        const judge::Pattern asked = m_view.questions.back();
        QCOMPARE(drill::categoryAt(drill::indexOf(asked)), judge::Category::reachBig);
        m_session->answer(1);
        m_session->applySettings({});
        QCOMPARE(m_view.questions.size(), std::size_t(2));
        QVERIFY(m_session->isAnswered());
        QCOMPARE(m_session->scheduler().mode(), drill::Mode::weakness);
    }

    // Each status is said once; a failed save again only after one worked.
    void storeStatusIsSaidOnce()
    {
        m_session->start({});
        m_keeper.now = Status::saveFailed;
        m_session->answer(1);
        m_session->storeChanged();
        m_keeper.now = Status::loaded;
        m_session->storeChanged();
        m_keeper.now = Status::saveFailed;
        m_session->storeChanged();
        const std::vector<Status> said { Status::loaded, Status::saveFailed, Status::loaded,
            Status::saveFailed };
        QCOMPARE(m_view.statuses, said);
    }

    void wipingSavesEmptyProgress()
    {
        m_session->start({});
        m_session->answer(1);
        m_session->wipeProgress();
        QVERIFY(m_keeper.progress() == drill::Progress());
        QCOMPARE(m_keeper.saves, 2);
        QCOMPARE(m_view.changes, 2);
    }

private:
    FakeKeeper m_keeper;
    RecordingView m_view;
    FakeSessionTiming m_time;
    std::unique_ptr<drill::Session> m_session;
};

QTEST_APPLESS_MAIN(SessionTest)
#include "tst_drill_session.moc"
