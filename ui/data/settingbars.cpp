#include "ui/data/settingbars.h"

#include "ui/data/datatexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace ui::data {

SettingBars::SettingBars(QWidget *parent)
    : QWidget(parent)
    , m_bars(new QBarSet(QStringLiteral("確率")))
    , m_view(new QChartView(this))
{
    m_bars->setColor(QColor(0x60, 0x90, 0xd0));
    m_bars->setSelectedColor(QColor(0xe0, 0x90, 0x20));
    auto *series = new QBarSeries;
    series->append(m_bars);
    QStringList names;
    for (int s = 1; s <= machine::kSettings; ++s) {
        m_bars->append(100.0 / machine::kSettings);
        names << QString::number(s);
    }
    auto *chart = new QChart;
    chart->addSeries(series);
    auto *settings = new QBarCategoryAxis;
    settings->append(names);
    settings->setTitleText(QStringLiteral("設定"));
    m_percent = new QValueAxis;
    auto *percent = m_percent;
    percent->setLabelFormat(QStringLiteral("%d %%"));
    chart->addAxis(settings, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    series->attachAxis(settings);
    series->attachAxis(percent);
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The view lets go of the chart it began with, without deleting it.
    QChart *first = m_view->chart();
    m_view->setChart(chart);
    delete first;
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(QStringLiteral("設定推測のグラフ"));
    m_view->setMinimumHeight(170);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 0, 0, 1, machine::kSettings);
    for (int s = 1; s <= machine::kSettings; ++s) {
        auto *figure = new QLabel(this);
        figure->setAlignment(Qt::AlignCenter);
        figure->setAccessibleName(QStringLiteral("設定%1").arg(s));
        m_figures[std::size_t(s - 1)] = figure;
        layout->addWidget(figure, 1, s - 1);
    }
    setOdds(records::settingOdds({}));
}

void SettingBars::setOdds(const records::SettingOdds &odds)
{
    // The axis reaches just past the highest bar, in steps of 10 %, so that
    // six settings near 1/6 each still differ to the eye.
    const double highest = *std::max_element(odds.begin(), odds.end());
    const double top = std::clamp(10 * std::ceil(10 * highest + 0.5), 20.0, 100.0);
    m_percent->setRange(0, top);
    m_percent->setTickCount(int(top) / 10 + 1);
    for (int s = 1; s <= machine::kSettings; ++s) {
        const double odd = odds[std::size_t(s - 1)];
        m_bars->replace(s - 1, 100 * odd);
        m_figures[std::size_t(s - 1)]->setText(
            QStringLiteral("設定%1\n%2").arg(s).arg(percentText(odd)));
    }
}

void SettingBars::markSetting(int setting)
{
    m_bars->deselectAllBars();
    if (setting >= 1 && setting <= machine::kSettings)
        m_bars->selectBar(setting - 1);
}

} // namespace ui::data
