// The slump graph: 差枚 over the games of the machine, each bonus marked
// where it was lined up (BIG a red circle, REG a blue square), on Qt Charts.
// The line is drawn from SlumpSeries::reduce for the plot's width, so at most
// two points a pixel column however long the history. It follows every game
// while shown; hidden, it catches up when shown again.
#pragma once

#include "records/slump.h"

#include <QChartView>

#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace ui::data {

class SlumpChart : public QChartView {
    Q_OBJECT
public:
    explicit SlumpChart(QWidget *parent = nullptr);

    // The series to show from now on, which must outlive the chart or the
    // next call; shown as it is now.
    void setSeries(const records::SlumpSeries *series);
    // After the series gained a game.
    void follow();

    // What is drawn, for the tests and the benchmark.
    const QLineSeries *line() const { return m_line; }
    const QScatterSeries *bigMarks() const { return m_big; }
    const QScatterSeries *regMarks() const { return m_reg; }
    int plotWidth() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void redraw();
    void plotAreaChanged(const QRectF &plot);
    void fitAxes(std::int64_t firstGame, std::int64_t lastGame);
    void fitCoins(qreal low, qreal high);

    const records::SlumpSeries *m_series = nullptr;
    QLineSeries *m_line;
    QScatterSeries *m_big, *m_reg;
    QValueAxis *m_games, *m_coins;
    std::size_t m_marked = 0; // the series' bonuses marked so far
    bool m_behind = false; // games came while hidden
    bool m_drawing = false;
    int m_reducedFor = 0; // the plot's width the line was reduced for
    bool m_fitted = false, m_coinsFitted = false; // the axes' ranges are set for the series
    std::vector<records::SlumpPoint> m_points; // reused
    QList<QPointF> m_drawn; // reused
};

} // namespace ui::data
