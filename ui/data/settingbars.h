// 設定推測 drawn as six bars, settings 1–6, each the probability of that
// setting in per cent, with the figure under each bar as text (what assistive
// tools read). The true setting, once the player may know it, is marked in
// its own colour.
#pragma once

#include "records/settingestimate.h"

#include <QWidget>

#include <array>

class QBarSet;
class QChartView;
class QLabel;
class QValueAxis;

namespace ui::data {

class SettingBars : public QWidget {
    Q_OBJECT
public:
    explicit SettingBars(QWidget *parent = nullptr);

    void setOdds(const records::SettingOdds &odds);
    // Marks setting 1..6; 0 marks none.
    void markSetting(int setting);

    const QBarSet *bars() const { return m_bars; }
    const QLabel *figure(int setting) const { return m_figures[std::size_t(setting - 1)]; }

private:
    QBarSet *m_bars;
    QValueAxis *m_percent;
    QChartView *m_view;
    std::array<QLabel *, machine::kSettings> m_figures {};
};

} // namespace ui::data
