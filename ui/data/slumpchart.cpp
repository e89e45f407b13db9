#include "ui/data/slumpchart.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace ui::data {

namespace {

// The axis' step for `span` in about `ticks` steps: 1, 2 or 5 times a power of ten.
qreal niceStep(qreal span, int ticks)
{
    const qreal raw = span / ticks;
    const qreal magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (const qreal m : { 1, 2, 5 })
        if (m * magnitude >= raw)
            return m * magnitude;
    return 10 * magnitude;
}

QScatterSeries *marks(const QString &name, QScatterSeries::MarkerShape shape, QColor colour)
{
    auto *series = new QScatterSeries;
    series->setName(name);
    series->setMarkerShape(shape);
    series->setMarkerSize(9);
    series->setColor(colour);
    series->setBorderColor(colour.darker());
    return series;
}

// A new range and tick interval, never many more ticks than either allows
// in between: the axis lays out a label for each.
void setRange(QValueAxis *axis, qreal min, qreal max, qreal step)
{
    if (step >= axis->tickInterval()) {
        axis->setTickInterval(step);
        axis->setRange(min, max);
    } else {
        axis->setRange(min, max);
        axis->setTickInterval(step);
    }
}

// Dynamic ticks every `step` from 0, for the range to come.
void useTicksEvery(QValueAxis *axis, qreal step)
{
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickInterval(step);
    axis->setTickAnchor(0);
    axis->setTickType(QValueAxis::TicksDynamic);
}

} // namespace

SlumpChart::SlumpChart(QWidget *parent)
    : QChartView(parent)
    , m_line(new QLineSeries)
    , m_big(
          marks(QStringLiteral("BIG"), QScatterSeries::MarkerShapeCircle, QColor(0xe0, 0x20, 0x30)))
    , m_reg(marks(
          QStringLiteral("REG"), QScatterSeries::MarkerShapeRectangle, QColor(0x20, 0x50, 0xe0)))
    , m_games(new QValueAxis)
    , m_coins(new QValueAxis)
{
    setAccessibleName(QStringLiteral("スランプグラフ"));
    m_line->setName(QStringLiteral("差枚"));
    m_line->setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("スランプグラフ"));
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addSeries(m_line);
    chart->addSeries(m_big);
    chart->addSeries(m_reg);
    m_games->setTitleText(QStringLiteral("ゲーム"));
    m_games->setRange(0, 100);
    useTicksEvery(m_games, 20);
    m_coins->setTitleText(QStringLiteral("差枚"));
    m_coins->setRange(-200, 200);
    useTicksEvery(m_coins, 100);
    chart->addAxis(m_games, Qt::AlignBottom);
    chart->addAxis(m_coins, Qt::AlignLeft);
    for (QXYSeries *series : { static_cast<QXYSeries *>(m_line), static_cast<QXYSeries *>(m_big),
             static_cast<QXYSeries *>(m_reg) }) {
        series->attachAxis(m_games);
        series->attachAxis(m_coins);
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    // The view lets go of the chart it began with, without deleting it.
    QChart *first = QChartView::chart();
    setChart(chart);
    delete first;
    connect(chart, &QChart::plotAreaChanged, this, &SlumpChart::plotAreaChanged);
    setRenderHint(QPainter::Antialiasing);
}

int SlumpChart::plotWidth() const
{
    // Before the first layout the plot has no size yet: the view's width
    // is near enough.
    const int plot = int(chart()->plotArea().width());
    return plot > 0 ? plot : std::max(1, width() - 80);
}

void SlumpChart::setSeries(const records::SlumpSeries *series)
{
    m_series = series;
    m_marked = 0;
    m_fitted = m_coinsFitted = false;
    m_big->clear();
    m_reg->clear();
    m_behind = true;
    follow();
}

void SlumpChart::follow()
{
    m_behind = true;
    if (!m_series || !isVisible())
        return;
    redraw();
}

void SlumpChart::showEvent(QShowEvent *event)
{
    QChartView::showEvent(event);
    if (m_behind && m_series)
        redraw();
}

// A plot of another width needs the line reduced for it; the chart lays
// itself out after the view's size has changed, and again when the axes'
// labels take another width.
void SlumpChart::plotAreaChanged(const QRectF &plot)
{
    if (m_series && isVisible() && !m_drawing && int(plot.width()) != m_reducedFor)
        redraw();
}

// The axes change only when the line leaves them, each then with room to
// grow: a new range lays every point and mark out anew, which costs far more
// than the game itself.
void SlumpChart::fitAxes(std::int64_t firstGame, std::int64_t lastGame)
{
    const auto first = qreal(firstGame), last = qreal(lastGame);
    if (m_fitted && first == m_games->min() && last <= m_games->max())
        return;
    const qreal span = (last - first) * 1.15 + 10;
    const qreal step = niceStep(span, 8);
    setRange(m_games, first, first + std::ceil(span / step) * step, step);
    m_fitted = true;
}

void SlumpChart::fitCoins(qreal low, qreal high)
{
    if (m_coinsFitted && low >= m_coins->min() && high <= m_coins->max())
        return;
    const qreal span = (high - low) * 1.3 + 200;
    const qreal step = niceStep(span, 6);
    const qreal margin = (span - (high - low)) / 2;
    setRange(m_coins, std::floor((low - margin) / step) * step,
        std::ceil((high + margin) / step) * step, step);
    m_coinsFitted = true;
}

void SlumpChart::redraw()
{
    m_behind = false;
    m_drawing = true;
    const std::int64_t first = m_series->at(0).game;
    const std::int64_t last = m_series->at(m_series->size() - 1).game;
    fitAxes(first, last);
    // The line covers the plot's width only as far as the games reach.
    const qreal covered = qreal(last - first) / (m_games->max() - m_games->min());
    m_reducedFor = plotWidth();
    // A column fewer, for the last game's own point: the line ends on the
    // 差枚 of now, which its column's lowest and highest need not be.
    m_series->reduce(std::max(1, int(m_reducedFor * covered) - 1), m_points);
    if (m_points.back().game != last)
        m_points.push_back(m_series->at(m_series->size() - 1));
    m_drawn.resize(qsizetype(m_points.size()));
    qreal low = 0, high = 0;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const auto coins = qreal(m_points[i].difference);
        m_drawn[qsizetype(i)] = QPointF(qreal(m_points[i].game), coins);
        low = std::min(low, coins);
        high = std::max(high, coins);
    }
    fitCoins(low, high);
    m_line->replace(m_drawn);

    const std::vector<records::BonusMark> &bonuses = m_series->bonuses();
    for (; m_marked < bonuses.size(); ++m_marked) {
        const records::BonusMark &mark = bonuses[m_marked];
        (mark.kind == machine::Bonus::big ? m_big : m_reg)
            ->append(qreal(mark.game), qreal(mark.difference));
    }
    m_drawing = false;
}

} // namespace ui::data
