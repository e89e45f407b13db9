// Which pattern the drill asks next, under a seeded generator and a fake clock,
// and the patterns that look alike.
#include "drill/lookalikes.h"
#include "drill/patterns.h"
#include "drill/scheduler.h"
#include "drill/statistics.h"
#include "judge/strips.h"

#include <QtTest>

#include <algorithm>
#include <map>

using drill::CategorySet;
using judge::Category;

Q_DECLARE_METATYPE(CategorySet)

namespace {

struct FakeClock {
    std::int64_t now = 1'800'000'000;
    drill::Clock clock()
    {
        return [this] { return now; };
    }
};

CategorySet setOf(std::initializer_list<int> numbers)
{
    CategorySet set;
    for (int n : numbers)
        set.set(static_cast<std::size_t>(n));
    return set;
}

Category ownCategory(const judge::Pattern &p) { return drill::categoryAt(drill::indexOf(p)); }

// Answers like a player who knows a share of the patterns, at random.
struct Player {
    std::mt19937_64 random { 7 };
    double knows = 1.0;
    bool answer(drill::Scheduler &scheduler, const judge::Pattern &p)
    {
        const bool right = std::bernoulli_distribution(knows)(random);
        const Category own = ownCategory(p);
        const Category other = own == Category::miss ? Category::bonus : Category::miss;
        const CategorySet rights = drill::machineLookAlikes().rightCategories(p);
        const Category chosen
            = right || rights.test(static_cast<std::size_t>(judge::number(other))) ? own : other;
        return scheduler.answer(chosen).right;
    }
};

} // namespace

class TestDrillScheduler : public QObject {
    Q_OBJECT

private slots:
    void lookAlikesShareALook()
    {
        const drill::LookAlikes &looks = drill::machineLookAlikes();
        QCOMPARE(looks.mixedLooks(), 235);
        QCOMPARE(looks.mixedPatterns(), 470);
        int mixed = 0;
        for (int i = 0; i < drill::kPatternCount; ++i) {
            const judge::Pattern p = drill::patternAt(i);
            const auto same = looks.sameLook(p);
            for (const judge::Pattern &q : same) {
                QCOMPARE(judge::gridFor(q.left, q.centre, q.right),
                    judge::gridFor(p.left, p.centre, p.right));
                QVERIFY(looks.rightCategories(p).test(
                    static_cast<std::size_t>(judge::number(ownCategory(q)))));
            }
            mixed += looks.rightCategories(p).count() > 1 ? 1 : 0;
        }
        QCOMPARE(mixed, 470);
    }

    void answerCountsLookAlikesAndTimeouts()
    {
        // A pattern whose look is shared with one of another category.
        const drill::LookAlikes &looks = drill::machineLookAlikes();
        int index = 0;
        while (looks.rightCategories(drill::patternAt(index)).count() < 2)
            ++index;
        const judge::Pattern p = drill::patternAt(index);
        const judge::Pattern twin = looks.sameLook(p).front();

        drill::Progress progress;
        FakeClock time;
        drill::Scheduler scheduler(progress, 1, time.clock());
        scheduler.setCategories(setOf({ judge::number(ownCategory(p)) }));
        scheduler.setMode(drill::Mode::play);
        while (scheduler.next() != p) { }
        const drill::Outcome outcome = scheduler.answer(ownCategory(twin));
        QVERIFY(outcome.right);
        QCOMPARE(outcome.sameLook.front(), twin);

        scheduler.next();
        QVERIFY(!scheduler.answer(std::nullopt).right);
        QCOMPARE(progress.log.back().chosen, 0);
        QCOMPARE(scheduler.sitting().answers, static_cast<int>(progress.questions));
    }

    // Missed patterns come back soon, and only the chosen categories come.
    // ("実戦" keeps to them too: see playIsUniform.)
    void wrongComesBackSoon_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<double>("knows");
        QTest::addColumn<CategorySet>("categories");
        QTest::newRow("good player") << 1 << 0.9 << CategorySet {};
        QTest::newRow("weak player") << 2 << 0.5 << CategorySet {};
        QTest::newRow("reach-me only") << 3 << 0.7 << setOf({ 2, 3, 4, 9 });
    }
    void wrongComesBackSoon()
    {
        QFETCH(int, seed);
        QFETCH(double, knows);
        QFETCH(CategorySet, categories);
        drill::Progress progress;
        FakeClock time;
        drill::Scheduler scheduler(progress, static_cast<std::uint64_t>(seed), time.clock());
        scheduler.setCategories(categories);
        Player player { std::mt19937_64(static_cast<std::uint64_t>(seed)), knows };
        std::map<int, int> waiting; // pattern → question it was missed at
        int shortest = 2000, longest = 0;
        for (int q = 0; q < 2000; ++q) {
            const int index = drill::indexOf(scheduler.next());
            QVERIFY(categories.none()
                || categories.test(
                    static_cast<std::size_t>(judge::number(drill::categoryAt(index)))));
            if (const auto it = waiting.find(index); it != waiting.end()) {
                shortest = std::min(shortest, q - it->second);
                longest = std::max(longest, q - it->second);
                waiting.erase(it);
            }
            for (const auto &[pattern, at] : waiting)
                QVERIFY2(q - at <= 6,
                    qPrintable(QStringLiteral("missed at %1, still away at %2").arg(at).arg(q)));
            if (!player.answer(scheduler, drill::patternAt(index)))
                waiting[index] = q;
            time.now += 20;
        }
        qInfo("away after a wrong answer: %d to %d questions", shortest, longest);
        QVERIFY(shortest >= 3); // two other questions at least: never straight back
        QVERIFY(longest > shortest); // nor after a count a player could keep
    }

    void rightAgainComesRarerAndMasteredStaysAway()
    {
        drill::Progress progress;
        FakeClock time;
        drill::Scheduler scheduler(progress, 5, time.clock());
        scheduler.setCategories(setOf({ 1, 5 }));
        Player player;
        const judge::Pattern first = scheduler.next();
        player.answer(scheduler, first);
        std::vector<int> asked { 0 };
        // Ten days of a hundred questions each, always right.
        for (int day = 0; day < 10; ++day) {
            for (int q = 0; q < 100; ++q) {
                const judge::Pattern p = scheduler.next();
                if (p == first)
                    asked.push_back(static_cast<int>(progress.questions));
                player.answer(scheduler, p);
                time.now += 30;
            }
            time.now += drill::kDay - 3000;
        }
        QVERIFY(asked.size() >= 5);
        for (std::size_t i = 2; i < asked.size(); ++i)
            QVERIFY2(asked[i] - asked[i - 1] >= asked[i - 1] - asked[i - 2],
                qPrintable(QStringLiteral("asked at %1, %2, %3")
                               .arg(asked[i - 2])
                               .arg(asked[i - 1])
                               .arg(asked[i])));
        QVERIFY(drill::isMastered(
            progress.patterns[static_cast<std::size_t>(drill::indexOf(first))].box));

        // Those mastered today stay away for the rest of the day.
        std::vector<int> masteredToday;
        for (int i = 0; i < drill::kPatternCount; ++i) {
            const drill::PatternProgress &p = progress.patterns[static_cast<std::size_t>(i)];
            if (drill::isMastered(p.box) && time.now - p.lastAsked < drill::kDay)
                masteredToday.push_back(i);
        }
        QVERIFY(masteredToday.size() >= 10);
        for (int q = 0; q < 500; ++q) {
            const judge::Pattern p = scheduler.next();
            QVERIFY(!std::ranges::binary_search(masteredToday, drill::indexOf(p)));
            player.answer(scheduler, p);
        }
        const drill::Figures figures = drill::figures(progress);
        QVERIFY(figures[1].mastered > 0);
        QCOMPARE(figures[1].recentRight, figures[1].recentAnswers);
    }

    // Predicting the next category from the last one, in all questions and in
    // the new patterns alone (a player knows which are new), must do no better
    // than always guessing the commonest category.
    void orderGivesNothingAway_data()
    {
        QTest::addColumn<bool>("newOnly");
        QTest::newRow("all questions") << false;
        QTest::newRow("new patterns") << true;
    }
    void orderGivesNothingAway()
    {
        QFETCH(bool, newOnly);
        drill::Progress progress;
        FakeClock time;
        drill::Scheduler scheduler(progress, 13, time.clock());
        Player player { std::mt19937_64(4), 0.7 };
        std::vector<std::size_t> order;
        int reachMe = 0; // in the first 300
        for (int q = 0; q < 10000; ++q) {
            const judge::Pattern p = scheduler.next();
            if (!newOnly
                || !progress.patterns[static_cast<std::size_t>(drill::indexOf(p))].seen()) {
                order.push_back(static_cast<std::size_t>(judge::number(ownCategory(p))));
                reachMe += order.size() <= 300 && judge::isReachMe(ownCategory(p)) ? 1 : 0;
            }
            player.answer(scheduler, p);
            time.now += 20;
        }
        QVERIFY(order.size() > 1000);
        // Reach-me patterns, 37 % of all, make up most of the first new ones,
        // but never all of them.
        if (newOnly)
            QVERIFY(reachMe > 150 && reachMe < 225);
        const std::size_t half = order.size() / 2;
        std::array<std::array<int, 10>, 10> follows {};
        std::array<int, 10> counts {};
        for (std::size_t i = 1; i < half; ++i) {
            ++follows[order[i - 1]][order[i]];
            ++counts[order[i]];
        }
        const auto argmax = [](const std::array<int, 10> &a) {
            return static_cast<std::size_t>(std::max_element(a.begin(), a.end()) - a.begin());
        };
        int byLast = 0, byCommonest = 0;
        for (std::size_t i = half; i < order.size(); ++i) {
            byLast += argmax(follows[order[i - 1]]) == order[i] ? 1 : 0;
            byCommonest += argmax(counts) == order[i] ? 1 : 0;
        }
        const double n = static_cast<double>(order.size() - half);
        qInfo("by the last category %.3f, by the commonest %.3f", byLast / n, byCommonest / n);
        QVERIFY(byLast / n <= byCommonest / n + 0.03);
        QVERIFY(byCommonest / n < 0.25); // no category dominates
    }

    void playIsUniform_data()
    {
        QTest::addColumn<CategorySet>("categories");
        QTest::newRow("all") << CategorySet {};
        QTest::newRow("reach-me") << setOf({ 2, 3, 4, 9 });
    }
    void playIsUniform()
    {
        QFETCH(CategorySet, categories);
        drill::Progress progress;
        drill::Scheduler scheduler(progress, 17);
        scheduler.setMode(drill::Mode::play);
        scheduler.setCategories(categories);
        const auto inPool = [&categories](int i) {
            return categories.none()
                || categories.test(static_cast<std::size_t>(judge::number(drill::categoryAt(i))));
        };
        int bins = 0;
        for (int i = 0; i < drill::kPatternCount; ++i)
            bins += inPool(i) ? 1 : 0;
        std::vector<int> counts(drill::kPatternCount);
        for (int d = 0; d < bins * 20; ++d)
            ++counts[static_cast<std::size_t>(drill::indexOf(scheduler.next()))];
        double chi2 = 0;
        for (int i = 0; i < drill::kPatternCount; ++i) {
            const double c = counts[static_cast<std::size_t>(i)];
            if (inPool(i))
                chi2 += (c - 20.0) * (c - 20.0) / 20.0;
            else
                QCOMPARE(c, 0.0);
        }
        const double df = bins - 1;
        const double critical = df + 3.09 * std::sqrt(2 * df); // about p = 0.001
        qInfo("chi-square %.0f over %d patterns, critical %.0f", chi2, bins, critical);
        QVERIFY(chi2 < critical);
        QVERIFY(chi2 > df - 3.09 * std::sqrt(2 * df)); // not suspiciously even
    }
};

QTEST_GUILESS_MAIN(TestDrillScheduler)
#include "tst_drill_scheduler.moc"
