// Which patterns a chart shows: the search text, the filters one by one and
// combined, and the groups' counts against the judgement.
#include "judge/patternfilter.h"
#include "judge/table.h"

#include <QtTest>

#include <map>
#include <set>

using judge::Category;
using judge::Code;
using judge::PatternFilter;
using judge::SearchQuery;
using judge::Symbol;

namespace {

int shown(const std::vector<judge::ResultGroup> &groups)
{
    int n = 0;
    for (const auto &group : groups)
        n += int(group.patterns.size());
    return n;
}

} // namespace

class TestPatternFilter : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query"); // as described below
        QTest::newRow("nothing") << "  \u3000 "
                                 << "empty";
        QTest::newRow("one cell") << "3"
                                  << "cells 3";
        QTest::newRow("three cells") << " 3  2,14 "
                                     << "cells 3 2 14";
        QTest::newRow("full width") << "３\u3000２\u3000１４"
                                    << "cells 3 2 14";
        QTest::newRow("leading zero") << "03 21"
                                      << "cells 3 21";
        QTest::newRow("code") << "J04"
                              << "code 4";
        QTest::newRow("short code") << "j4"
                                    << "code 4";
        QTest::newRow("full-width code") << "Ｊ３８"
                                         << "code 38";
        for (const char *bad : { "0", "3 22", "1 2 3 4", "100", "J39", "J0", "J04 3", "-3" })
            QTest::newRow(bad) << bad << "not understood";
        QTest::newRow("word") << "青７"
                              << "not understood";
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        const QByteArray utf8 = text.toUtf8();
        const SearchQuery parsed
            = judge::parseSearch({ utf8.constData(), std::size_t(utf8.size()) });
        QString described;
        switch (parsed.kind) {
        case SearchQuery::Kind::empty: described = "empty"; break;
        case SearchQuery::Kind::notUnderstood: described = "not understood"; break;
        case SearchQuery::Kind::code:
            described = QString("code %1").arg(judge::number(*parsed.code));
            break;
        case SearchQuery::Kind::cells:
            described = "cells";
            for (int cell : parsed.cells)
                described += QString(" %1").arg(cell);
            break;
        }
        QCOMPARE(described, query);
        QCOMPARE(parsed.code.has_value(), parsed.kind == SearchQuery::Kind::code);
    }

    // Each group holds exactly the patterns the judgement gives its result,
    // in ascending order, and a search not understood filters none away; the
    // counts per category follow.
    void countsMatchTheJudgement()
    {
        PatternFilter notUnderstood;
        notUnderstood.search = judge::parseSearch("3 x");
        const auto groups = judge::selectPatterns(notUnderstood);
        QCOMPARE(int(groups.size()), judge::kCodeCount);
        std::map<Code, int> perCode;
        std::map<Category, int> perCategory, groupedPerCategory;
        for (int l = 1; l <= 21; ++l)
            for (int c = 1; c <= 21; ++c)
                for (int r = 1; r <= 21; ++r) {
                    ++perCode[judge::judge(l, c, r)];
                    ++perCategory[judge::categoryOf(judge::judge(l, c, r))];
                }
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const judge::ResultGroup &group = groups[i];
            QCOMPARE(judge::number(group.code), int(i + 1));
            QCOMPARE(group.total, perCode[group.code]);
            QCOMPARE(int(group.patterns.size()), group.total);
            groupedPerCategory[judge::categoryOf(group.code)] += group.total;
            for (std::size_t k = 0; k < group.patterns.size(); ++k) {
                const judge::Pattern &p = group.patterns[k];
                QCOMPARE(judge::judge(p.left, p.centre, p.right), group.code);
                const judge::Pattern &q = group.patterns[k > 0 ? k - 1 : k];
                QVERIFY(k == 0
                    || std::tie(q.left, q.centre, q.right) < std::tie(p.left, p.centre, p.right));
            }
        }
        QCOMPARE(groupedPerCategory, perCategory);
        QCOMPARE(int(perCategory.size()), judge::kCategoryCount);
    }

    void filtersCombine_data()
    {
        QTest::addColumn<int>("category"); // 0: any
        QTest::addColumn<int>("code"); // 0: any
        QTest::addColumn<bool>("leftTopAo7"); // the left reel's top row shows 青７
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("expected"); // -1: all of J04
        // 青７ stands on the left strip at cells 1, 7 and 13.
        QTest::newRow("symbol") << 0 << 0 << true << "" << 3 * 441;
        QTest::newRow("symbol and cell") << 0 << 0 << true << "7" << 441;
        QTest::newRow("symbol and other cell") << 0 << 0 << true << "8" << 0;
        QTest::newRow("cells") << 0 << 0 << false << "3 2" << 21;
        QTest::newRow("category and its result") << 2 << 4 << false << "" << -1;
        QTest::newRow("category and another result") << 2 << 1 << false << "" << 0;
        QTest::newRow("result and its search") << 0 << 4 << false << "J04" << -1;
        QTest::newRow("result and another search") << 0 << 4 << false << "J05" << 0;
    }

    void filtersCombine()
    {
        QFETCH(int, category);
        QFETCH(int, code);
        QFETCH(bool, leftTopAo7);
        QFETCH(QString, search);
        QFETCH(int, expected);
        PatternFilter filter;
        if (category)
            filter.categories.set(std::size_t(category));
        if (code)
            filter.codes.set(std::size_t(code));
        if (leftTopAo7)
            filter.places[0][0] = Symbol::ao7;
        filter.search = judge::parseSearch(search.toStdString());
        if (expected == -1)
            expected = judge::selectPatterns({})[3].total;
        const auto groups = judge::selectPatterns(filter);
        QCOMPARE(shown(groups), expected);
        for (const auto &group : groups)
            for (const judge::Pattern &p : group.patterns) {
                QVERIFY(
                    !leftTopAo7 || judge::gridFor(p.left, p.centre, p.right)[0][0] == Symbol::ao7);
                QVERIFY(!code || judge::number(group.code) == code);
            }
    }

    // A symbol wanted at a place the pattern shows elsewhere: the middle row
    // of the right reel is the cell below its top row.
    void placeIsRowAndReel()
    {
        PatternFilter filter;
        filter.places[1][2] = Symbol::vsign; // right reel, middle row
        filter.search = judge::parseSearch("1 1 12"); // right 12: 13 below is Ｖサイン
        QCOMPARE(shown(judge::selectPatterns(filter)), 1);
        filter.search = judge::parseSearch("1 1 13"); // Ｖサイン in the top row
        QCOMPARE(shown(judge::selectPatterns(filter)), 0);
    }

    // The same 3 × 3 symbols can stand for different cells with different
    // results; the window and the README give these figures.
    void sameSymbolsDifferentResults()
    {
        std::map<judge::Grid, std::set<Code>> results;
        for (int l = 1; l <= 21; ++l)
            for (int c = 1; c <= 21; ++c)
                for (int r = 1; r <= 21; ++r)
                    results[judge::gridFor(l, c, r)].insert(judge::judge(l, c, r));
        int ambiguous = 0;
        for (const auto &[grid, codes] : results)
            ambiguous += codes.size() > 1 ? 1 : 0;
        QCOMPARE(int(results.size()), 5880);
        QCOMPARE(ambiguous, 414);
    }
};

QTEST_APPLESS_MAIN(TestPatternFilter)
#include "tst_patternfilter.moc"
