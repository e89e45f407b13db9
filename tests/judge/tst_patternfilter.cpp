// Which patterns a chart shows: the search text, the filters one by one and
// combined, and the groups' counts against the judgement.
#include "judge/patternfilter.h"
#include "judge/table.h"

#include <QtTest>

#include <map>

using judge::Code;
using judge::PatternFilter;
using judge::SearchQuery;
using judge::Symbol;

Q_DECLARE_METATYPE(Symbol)

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
        const auto row = [](const char *name, const char *text, const char *query) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString(query);
        };
        row("nothing", "  \u3000 ", "empty");
        row("one cell", "3", "cells 3");
        row("three cells", " 3  2,14 ", "cells 3 2 14");
        row("full width", "３\u3000２\u3000１４", "cells 3 2 14");
        row("leading zero", "03 21", "cells 3 21");
        row("code", "J04", "code 4");
        row("short code", "j4", "code 4");
        row("full-width code", "Ｊ３８", "code 38");
        for (const char *bad :
            { "0", "3 22", "1 2 3 4", "100", "J39", "J0", "J04 3", "-3", "青７" })
            row(bad, bad, "not understood");
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
            described = QStringLiteral("code %1").arg(judge::number(*parsed.code));
            break;
        case SearchQuery::Kind::cells:
            described = "cells";
            for (int cell : parsed.cells)
                described += QStringLiteral(" %1").arg(cell);
            break;
        }
        QCOMPARE(described, query);
        QCOMPARE(parsed.code.has_value(), parsed.kind == SearchQuery::Kind::code);
    }

    // Each group holds exactly the patterns the judgement gives its result,
    // in ascending order, and a search not understood filters none away.
    void countsMatchTheJudgement()
    {
        PatternFilter notUnderstood;
        notUnderstood.search = judge::parseSearch("3 x");
        const auto groups = judge::selectPatterns(notUnderstood);
        QCOMPARE(int(groups.size()), judge::kCodeCount);
        std::map<Code, int> perCode;
        for (int l = 1; l <= 21; ++l)
            for (int c = 1; c <= 21; ++c)
                for (int r = 1; r <= 21; ++r)
                    ++perCode[judge::judge(l, c, r)];
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const judge::ResultGroup &group = groups[i];
            QCOMPARE(judge::number(group.code), int(i + 1));
            QCOMPARE(group.total, perCode[group.code]);
            QCOMPARE(int(group.patterns.size()), group.total);
            for (std::size_t k = 0; k < group.patterns.size(); ++k) {
                const judge::Pattern &p = group.patterns[k];
                QCOMPARE(judge::judge(p.left, p.centre, p.right), group.code);
                const judge::Pattern &q = group.patterns[k > 0 ? k - 1 : k];
                QVERIFY(k == 0
                    || std::tie(q.left, q.centre, q.right) < std::tie(p.left, p.centre, p.right));
            }
        }
    }

    void filtersCombine_data()
    {
        QTest::addColumn<int>("category"); // 0: any
        QTest::addColumn<int>("code"); // 0: any
        QTest::addColumn<QPoint>("place"); // (reel, row) of a wanted symbol; (-1, -1): none
        QTest::addColumn<Symbol>("symbol");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("expected"); // -1: all of J04
        const QPoint none(-1, -1), leftTop(0, 0), rightMiddle(2, 1);
        // 青７ stands on the left strip at cells 1, 7 and 13.
        QTest::newRow("symbol") << 0 << 0 << leftTop << Symbol::ao7 << "" << 3 * 441;
        QTest::newRow("symbol and cell") << 0 << 0 << leftTop << Symbol::ao7 << "7" << 441;
        QTest::newRow("symbol and other cell") << 0 << 0 << leftTop << Symbol::ao7 << "8" << 0;
        // The right reel's middle row is the cell below its top row: right 12
        // has Ｖサイン below it, right 13 in its top row.
        QTest::newRow("place is row and reel")
            << 0 << 0 << rightMiddle << Symbol::vsign << "1 1 12" << 1;
        QTest::newRow("symbol at another place")
            << 0 << 0 << rightMiddle << Symbol::vsign << "1 1 13" << 0;
        QTest::newRow("cells") << 0 << 0 << none << Symbol::ao7 << "3 2" << 21;
        QTest::newRow("category and its result") << 2 << 4 << none << Symbol::ao7 << "" << -1;
        QTest::newRow("category and another result") << 2 << 1 << none << Symbol::ao7 << "" << 0;
        QTest::newRow("result and its search") << 0 << 4 << none << Symbol::ao7 << "J04" << -1;
        QTest::newRow("result and another search") << 0 << 4 << none << Symbol::ao7 << "J05" << 0;
    }

    void filtersCombine()
    {
        QFETCH(int, category);
        QFETCH(int, code);
        QFETCH(QPoint, place);
        QFETCH(Symbol, symbol);
        QFETCH(QString, search);
        QFETCH(int, expected);
        PatternFilter filter;
        if (category)
            filter.categories.set(std::size_t(category));
        if (code)
            filter.codes.set(std::size_t(code));
        const auto row = std::size_t(place.y()), reel = std::size_t(place.x());
        if (place != QPoint(-1, -1))
            filter.places[row][reel] = symbol;
        filter.search = judge::parseSearch(search.toStdString());
        if (expected == -1)
            expected = judge::selectPatterns({})[3].total;
        const auto groups = judge::selectPatterns(filter);
        QCOMPARE(shown(groups), expected);
        for (const auto &group : groups)
            for (const judge::Pattern &p : group.patterns) {
                QVERIFY(place == QPoint(-1, -1)
                    || judge::gridFor(p.left, p.centre, p.right)[row][reel] == symbol);
                QVERIFY(!code || judge::number(group.code) == code);
            }
    }

    // The same 3 × 3 symbols can stand for different cells with different
    // results; the window works these figures out, and the README gives them.
    void sameSymbolsDifferentResults()
    {
        const judge::ViewFigures &figures = judge::machineViewFigures();
        QCOMPARE(figures.views, 5880);
        QCOMPARE(figures.mixed, 414);
    }
};

QTEST_APPLESS_MAIN(TestPatternFilter)
#include "tst_patternfilter.moc"
