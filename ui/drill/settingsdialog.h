// The drill's settings: which patterns come ("実戦" or "苦手克服"), the
// categories to narrow to, the time limit and the delay before the next
// pattern comes by itself, and whether the reach-me patterns met in 実戦 come
// first.
#pragma once

#include "ui/drill/drillsettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QRadioButton;
class QSpinBox;
class QPushButton;

namespace ui {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(const DrillSettings &settings, QWidget *parent = nullptr);

    DrillSettings settings() const;

private:
    void updateOk();

    QRadioButton *m_play;
    QRadioButton *m_weakness;
    std::array<QCheckBox *, judge::kCategoryCount> m_categories {};
    QSpinBox *m_timeLimit;
    QSpinBox *m_delay;
    QCheckBox *m_metInPlayFirst;
    QPushButton *m_ok = nullptr;
};

} // namespace ui
