// The chart window: its model against the judgement, the filters and the
// search, the cell pictures and how a row draws them, and Enter or a
// double-click handing a pattern to the main window's reels.
#include "ui_testpictures.h"

#include "ui/chart/chartmodel.h"
#include "ui/chart/chartview.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/filterpanel.h"
#include "ui/chart/patterndelegate.h"
#include "ui/pictures/cellpictures.h"

#include "judge/table.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The strip row a test-picture pixel comes from, or -1.
int stripRow(QRgb pixel, int reel)
{
    const int high = qGreen(pixel) - 0x10 - reel;
    if (!uitest::isPictureColour(pixel) || high % 8 != 0)
        return -1;
    return qRed(pixel) + 256 * (high / 8);
}

using Cells = std::array<int, 3>;

} // namespace

class TestChartWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_pictures = uitest::stripPictures(); }

    void init()
    {
        m_window = std::make_unique<ui::ChartWindow>(m_pictures);
        m_chosen.clear();
        m_window->setPatternHandler([this](judge::Pattern pattern) {
            m_chosen.push_back(pattern);
            return m_answer;
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    // Qt's own checks of a tree model, through every kind of change the
    // filters make: all patterns, a few groups, one pattern, none, all again.
    void modelKeepsTheRulesOfATreeModel()
    {
        ui::ChartModel model;
        QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        judge::PatternFilter filter;
        filter.search = judge::parseSearch("3");
        model.setFilter(filter);
        QVERIFY(model.rowCount() > 1);
        filter.search = judge::parseSearch("3 2 14");
        model.setFilter(filter);
        QCOMPARE(model.shownCount(), 1);
        filter.codes.set(1);
        model.setFilter(filter);
        QCOMPARE(model.rowCount(), 0);
        model.setFilter({});
        QCOMPARE(model.shownCount(), judge::kPatterns);
    }

    // Every pattern under its result's header; the header gives the counts
    // and a share above zero even for the rarest result.
    void everyPatternInItsGroup()
    {
        const ui::ChartModel &model = *m_window->model();
        QCOMPARE(model.rowCount(), judge::kCodeCount);
        int patterns = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex header = model.index(row, 0);
            const int total = model.groups()[std::size_t(row)].total;
            QCOMPARE(model.rowCount(header), total);
            for (int child = 0; child < model.rowCount(header); ++child, ++patterns) {
                const auto p = model.index(child, 0, header)
                                   .data(ui::ChartModel::patternRole)
                                   .value<judge::Pattern>();
                QCOMPARE(judge::number(judge::judge(p.left, p.centre, p.right)), row + 1);
            }
            const QString text = header.data().toString();
            QVERIFY2(text.startsWith(QStringLiteral("J%1").arg(row + 1, 2, 10, QChar('0'))),
                qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("%1 / %1 通り").arg(total)), qPrintable(text));
            const auto share = QRegularExpression("全体の ([0-9.]+) %").match(text);
            QVERIFY2(share.hasMatch() && share.captured(1).toDouble() > 0, qPrintable(text));
        }
        QCOMPARE(patterns, judge::kPatterns);
    }

    // The panel's boxes reach the filter; the search field says when it does
    // not understand, and filters nothing away then.
    void filtersCombine_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("leftTopSymbol"); // 0: any, else 1 + index in kSymbols
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("expected"); // -4: all of J04
        QTest::addColumn<bool>("hint");
        QTest::newRow("category and its result") << 2 << 4 << 0 << "" << -4 << false;
        // 青７ stands on the left strip at cells 1, 7 and 13.
        QTest::newRow("symbol and cells") << 0 << 0 << 1 << "13 1" << 21 << false;
        // The text reaches the parser whole: full-width digits and blanks.
        QTest::newRow("full-width cells") << 0 << 0 << 0 << "３\u3000２" << 21 << false;
        QTest::newRow("not understood") << 0 << 0 << 1 << "3 二" << 3 * 441 << true;
    }

    void filtersCombine()
    {
        QFETCH(int, category);
        QFETCH(int, result);
        QFETCH(int, leftTopSymbol);
        QFETCH(QString, search);
        QFETCH(int, expected);
        QFETCH(bool, hint);
        ui::FilterPanel &filters = *m_window->filters();
        QCOMPARE(filters.searchField()->accessibleName(), QStringLiteral("検索"));
        filters.categoryBox()->setCurrentIndex(category);
        filters.resultBox()->setCurrentIndex(result);
        filters.placeBox(0, 0)->setCurrentIndex(leftTopSymbol);
        filters.searchField()->setText(search);
        if (expected == -4)
            expected = judge::selectPatterns({})[3].total;
        QCOMPARE(m_window->model()->shownCount(), expected);
        QCOMPARE(filters.searchHint()->isVisible(), hint);
        filters.clear();
        QCOMPARE(m_window->model()->shownCount(), judge::kPatterns);
        QVERIFY(!filters.searchHint()->isVisible());
    }

    // Each cell is the 65 strip rows below 65 × n, from the column the reel
    // window opens onto, 95 pixels wide; a sharp picture gives sharp cells.
    void cellsAreCutFromTheStrip_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::newRow("1×") << 1;
        QTest::newRow("2×") << 2;
    }

    void cellsAreCutFromTheStrip()
    {
        QFETCH(int, ratio);
        ui::StripPictures pictures = uitest::columnMarkedPictures();
        for (QImage &image : pictures.images) {
            image = image.scaled(image.size() * ratio);
            image.setDevicePixelRatio(ratio);
        }
        const ui::CellPictures cells(pictures);
        QCOMPARE(ui::CellPictures::cellSize(), QSize(95, 65));
        for (int reel = 0; reel < 3; ++reel)
            for (int n = 1; n <= 21; ++n) {
                const QPixmap &cell = cells.cell(reel, n);
                QCOMPARE(cell.devicePixelRatio(), qreal(ratio));
                const QImage expected
                    = pictures.images[std::size_t(reel)]
                          .copy(QRect(QPoint(1, 65 * n) * ratio, QSize(95, 65) * ratio))
                          .convertToFormat(QImage::Format_RGB32);
                QCOMPARE(cell.toImage().convertToFormat(QImage::Format_RGB32), expected);
            }
    }

    // A row shows the three rows of symbols the reel windows would: the
    // top-row cell and the two below it, on every reel.
    void rowDrawsTheRightCells_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<Cells>("cells");
        QTest::newRow("3 2 14") << "3 2 14" << Cells { 3, 2, 14 };
        QTest::newRow("wrapping") << "20 21 1" << Cells { 20, 21, 1 };
    }

    void rowDrawsTheRightCells()
    {
        QFETCH(QString, search);
        QFETCH(Cells, cells);
        m_window->filters()->searchField()->setText(search);
        ui::ChartView &view = *m_window->view();
        const QModelIndex pattern = m_window->model()->index(0, 0, m_window->model()->index(0, 0));
        QVERIFY(pattern.isValid());
        const QRect rect = view.visualRect(pattern);
        const QImage shot = view.viewport()->grab().toImage();
        const double cellHeight = 65 * ui::PatternDelegate::kScale;
        for (int reel = 0; reel < 3; ++reel) {
            const QRect column = ui::PatternDelegate::reelRect(rect, reel);
            for (int row = 0; row < 3; ++row) {
                const QPoint centre(
                    column.center().x(), column.top() + int((row + 0.5) * cellHeight));
                // The strip's own rows, as the reel windows show them: below
                // cell 21 the strip repeats cells 1 to 3.
                const int stripRowShown = stripRow(shot.pixel(centre), reel);
                const int cell = cells[std::size_t(reel)] + row;
                QVERIFY2(stripRowShown >= 65 * cell + 28 && stripRowShown <= 65 * cell + 36,
                    qPrintable(QStringLiteral("reel %1 row %2: strip row %3")
                                   .arg(reel)
                                   .arg(row)
                                   .arg(stripRowShown)));
            }
        }
    }

    // Enter on a pattern and a double-click choose it; a single click, Enter
    // on a group header and Enter in the search field with several patterns
    // shown do not.
    void choosingAPattern_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("keypad Enter") << "keypad" << true;
        QTest::newRow("double-click") << "double" << true;
        QTest::newRow("single click") << "click" << false;
        QTest::newRow("Enter on a header") << "header" << false;
        QTest::newRow("Enter in the search, one shown") << "search" << true;
        QTest::newRow("Enter in the search, 21 shown") << "search 21" << false;
    }

    void choosingAPattern()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, chosen);
        m_answer = "リールが回っている間は移せません。";
        QLineEdit *field = m_window->filters()->searchField();
        field->setText(gesture == "search 21" ? "3 2" : "3 2 14");
        ui::ChartView &view = *m_window->view();
        const QModelIndex header = m_window->model()->index(0, 0);
        const QModelIndex pattern = m_window->model()->index(0, 0, header);
        const QPoint centre = view.visualRect(pattern).center();
        view.setCurrentIndex(gesture == "header" ? header : pattern);
        if (gesture == "enter" || gesture == "header")
            QTest::keyClick(&view, Qt::Key_Return);
        else if (gesture == "keypad")
            QTest::keyClick(&view, Qt::Key_Enter, Qt::KeypadModifier);
        else if (gesture == "click")
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
        else if (gesture == "double") { // the second press comes as the double-click
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
        } else
            QTest::keyClick(field, Qt::Key_Return);
        const std::vector<judge::Pattern> expected { { 3, 2, 14 } };
        QCOMPARE(m_chosen, chosen ? expected : std::vector<judge::Pattern> {});
        if (chosen)
            QCOMPARE(m_window->statusBar()->currentMessage(), m_answer);
        QCOMPARE(view.isExpanded(header), gesture != "header"); // Enter closes a group
    }

    void fileMenuPrints()
    {
        QMap<QString, QKeySequence> actions;
        for (const QAction *action : m_window->menuBar()->actions().front()->menu()->actions())
            actions.insert(action->text(), action->shortcut());
        QCOMPARE(m_window->menuBar()->actions().front()->text(), QStringLiteral("ファイル"));
        QCOMPARE(actions.value("印刷…", QKeySequence("x")), QKeySequence("Ctrl+P"));
        QVERIFY(actions.contains("PDFに保存…"));
    }

    void pdfIsWrittenWhole()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        m_window->filters()->resultBox()->setCurrentIndex(1);
        const QString file = dir.filePath("chart.pdf");
        QCOMPARE(m_window->saveAsPdf(file), QString());
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
        QVERIFY(!m_window->saveAsPdf(dir.filePath("no/such/folder/chart.pdf")).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("no/such/folder/chart.pdf")));
    }

private:
    ui::StripPictures m_pictures;
    std::unique_ptr<ui::ChartWindow> m_window;
    std::vector<judge::Pattern> m_chosen;
    QString m_answer;
};

QTEST_MAIN(TestChartWindow)
#include "tst_chart_window.moc"
