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

Q_DECLARE_METATYPE(SearchQuery::Kind)
Q_DECLARE_METATYPE(std::vector<int>)

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
        QTest::addColumn<SearchQuery::Kind>("kind");
        QTest::addColumn<std::vector<int>>("cells");
        QTest::addColumn<int>("code"); // 0: none
        using K = SearchQuery::Kind;
        QTest::newRow("nothing") << "" << K::empty << std::vector<int> {} << 0;
        QTest::newRow("blanks") << "  \u3000 " << K::empty << std::vector<int> {} << 0;
        QTest::newRow("one cell") << "3" << K::cells << std::vector { 3 } << 0;
        QTest::newRow("two cells") << " 3  2 " << K::cells << std::vector { 3, 2 } << 0;
        QTest::newRow("three cells") << "3 2 14" << K::cells << std::vector { 3, 2, 14 } << 0;
        QTest::newRow("commas") << "3,2,14" << K::cells << std::vector { 3, 2, 14 } << 0;
        QTest::newRow("full width")
            << "３\u3000２\u3000１４" << K::cells << std::vector { 3, 2, 14 } << 0;
        QTest::newRow("leading zero") << "03 21" << K::cells << std::vector { 3, 21 } << 0;
        QTest::newRow("code") << "J04" << K::code << std::vector<int> {} << 4;
        QTest::newRow("short code") << "j4" << K::code << std::vector<int> {} << 4;
        QTest::newRow("full-width code") << "Ｊ３８" << K::code << std::vector<int> {} << 38;
        QTest::newRow("cell 0") << "0" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("cell 22") << "3 22" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("four cells") << "1 2 3 4" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("three digits") << "100" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("J39") << "J39" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("J0") << "J0" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("code and cell") << "J04 3" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("word") << "青７" << K::notUnderstood << std::vector<int> {} << 0;
        QTest::newRow("sign") << "-3" << K::notUnderstood << std::vector<int> {} << 0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(SearchQuery::Kind, kind);
        QFETCH(std::vector<int>, cells);
        QFETCH(int, code);
        const QByteArray utf8 = text.toUtf8();
        const SearchQuery query
            = judge::parseSearch({ utf8.constData(), std::size_t(utf8.size()) });
        QCOMPARE(query.kind, kind);
        QCOMPARE(query.cells, cells);
        QCOMPARE(query.code.has_value(), code != 0);
        if (code != 0)
            QCOMPARE(judge::number(*query.code), code);
    }

    // Nothing filters away every pattern; a text not understood neither.
    void noFilterShowsAll_data()
    {
        QTest::addColumn<QString>("search");
        QTest::newRow("empty") << "";
        QTest::newRow("not understood") << "3 x";
    }

    void noFilterShowsAll()
    {
        QFETCH(QString, search);
        PatternFilter filter;
        filter.search = judge::parseSearch(search.toStdString());
        const auto groups = judge::selectPatterns(filter);
        QCOMPARE(int(groups.size()), judge::kCodeCount);
        QCOMPARE(shown(groups), judge::kPatterns);
        for (std::size_t i = 0; i < groups.size(); ++i) {
            QCOMPARE(judge::number(groups[i].code), int(i + 1));
            QCOMPARE(int(groups[i].patterns.size()), groups[i].total);
        }
    }

    // Each group holds exactly the patterns the judgement gives its result,
    // in ascending order; the counts per category follow.
    void countsMatchTheJudgement()
    {
        const auto groups = judge::selectPatterns({});
        std::map<Code, int> perCode;
        std::map<Category, int> perCategory;
        for (int l = 1; l <= 21; ++l)
            for (int c = 1; c <= 21; ++c)
                for (int r = 1; r <= 21; ++r) {
                    const Code code = judge::judge(l, c, r);
                    ++perCode[code];
                    ++perCategory[judge::categoryOf(code)];
                }
        std::map<Category, int> groupedPerCategory;
        for (const auto &group : groups) {
            QCOMPARE(group.total, perCode[group.code]);
            groupedPerCategory[judge::categoryOf(group.code)] += group.total;
            for (std::size_t i = 0; i < group.patterns.size(); ++i) {
                const judge::Pattern &p = group.patterns[i];
                QCOMPARE(judge::judge(p.left, p.centre, p.right), group.code);
                if (i > 0) {
                    const judge::Pattern &q = group.patterns[i - 1];
                    QVERIFY(
                        std::tie(q.left, q.centre, q.right) < std::tie(p.left, p.centre, p.right));
                }
            }
        }
        QCOMPARE(groupedPerCategory, perCategory);
        QCOMPARE(int(perCategory.size()), judge::kCategoryCount);
    }

    void filtersCombine_data()
    {
        QTest::addColumn<std::vector<int>>("categories");
        QTest::addColumn<std::vector<int>>("codes");
        QTest::addColumn<int>("leftTopAo7"); // 1: the left reel's top row shows 青７
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("expected"); // -1: the judgement's count of J04

        // 青７ stands on the left strip at cells 1, 7 and 13.
        QTest::newRow("symbol") << std::vector<int> {} << std::vector<int> {} << 1 << "" << 3 * 441;
        QTest::newRow("symbol and cell")
            << std::vector<int> {} << std::vector<int> {} << 1 << "7" << 441;
        QTest::newRow("symbol and other cell")
            << std::vector<int> {} << std::vector<int> {} << 1 << "8" << 0;
        QTest::newRow("cells") << std::vector<int> {} << std::vector<int> {} << 0 << "3 2" << 21;
        QTest::newRow("category and its result")
            << std::vector { 2 } << std::vector { 4 } << 0 << "" << -1;
        QTest::newRow("category and another result")
            << std::vector { 2 } << std::vector { 1 } << 0 << "" << 0;
        QTest::newRow("result and its search")
            << std::vector<int> {} << std::vector { 4 } << 0 << "J04" << -1;
        QTest::newRow("result and another search")
            << std::vector<int> {} << std::vector { 4 } << 0 << "J05" << 0;
        QTest::newRow("two categories")
            << std::vector { 1, 8 } << std::vector<int> {} << 0 << "" << -2;
    }

    void filtersCombine()
    {
        QFETCH(std::vector<int>, categories);
        QFETCH(std::vector<int>, codes);
        QFETCH(int, leftTopAo7);
        QFETCH(QString, search);
        QFETCH(int, expected);
        PatternFilter filter;
        for (int n : categories)
            filter.categories.set(std::size_t(n));
        for (int n : codes)
            filter.codes.set(std::size_t(n));
        if (leftTopAo7)
            filter.places[0][0] = Symbol::ao7;
        filter.search = judge::parseSearch(search.toStdString());
        const auto all = judge::selectPatterns({});
        if (expected == -1)
            expected = all[3].total;
        if (expected == -2) // categories 1 and 8: J01, J02, J23
            expected = all[0].total + all[1].total + all[22].total;
        const auto groups = judge::selectPatterns(filter);
        QCOMPARE(shown(groups), expected);
        for (const auto &group : groups)
            for (const judge::Pattern &p : group.patterns) {
                if (leftTopAo7)
                    QCOMPARE(judge::gridFor(p.left, p.centre, p.right)[0][0], Symbol::ao7);
                if (!codes.empty())
                    QVERIFY(std::count(codes.begin(), codes.end(), judge::number(group.code)));
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
