#include "ui/data/slumpchart.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace ui::data {

namespace {

// The coins' axis in steps of this, so that it does not jitter every game.
constexpr qreal kCoinStep = 250;

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
    m_games->setLabelFormat(QStringLiteral("%d"));
    m_coins->setTitleText(QStringLiteral("差枚"));
    m_coins->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_games, Qt::AlignBottom);
    chart->addAxis(m_coins, Qt::AlignLeft);
    for (QXYSeries *series : { static_cast<QXYSeries *>(m_line), static_cast<QXYSeries *>(m_big),
             static_cast<QXYSeries *>(m_reg) }) {
        series->attachAxis(m_games);
        series->attachAxis(m_coins);
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    setChart(chart);
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

void SlumpChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    if (m_series && isVisible())
        redraw();
}

void SlumpChart::redraw()
{
    m_behind = false;
    m_series->reduce(plotWidth(), m_points);
    m_drawn.resize(qsizetype(m_points.size()));
    qreal low = 0, high = 0;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const auto coins = qreal(m_points[i].difference);
        m_drawn[qsizetype(i)] = QPointF(qreal(m_points[i].game), coins);
        low = std::min(low, coins);
        high = std::max(high, coins);
    }
    m_line->replace(m_drawn);

    const std::vector<records::BonusMark> &bonuses = m_series->bonuses();
    for (; m_marked < bonuses.size(); ++m_marked) {
        const records::BonusMark &mark = bonuses[m_marked];
        (mark.kind == machine::Bonus::big ? m_big : m_reg)
            ->append(qreal(mark.game), qreal(mark.difference));
    }

    const qreal first = m_points.empty() ? 0 : qreal(m_points.front().game);
    const qreal last = m_points.empty() ? 1 : qreal(m_points.back().game);
    m_games->setRange(first, std::max(last, first + 1));
    const qreal bottom = std::floor(low / kCoinStep) * kCoinStep;
    m_coins->setRange(
        bottom, std::max(std::ceil(high / kCoinStep) * kCoinStep, bottom + kCoinStep));
    m_coins->applyNiceNumbers();
}

} // namespace ui::data
