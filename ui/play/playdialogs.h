// The play window's dialogs: its practice settings, and 新しい台 with the
// setting and a seed.
#pragma once

#include "ui/play/playsettings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

// The setting of a new machine: "ランダム（隠す）" or 1 … 6.
QComboBox *settingChoice(int setting);

class PlaySettingsDialog : public QDialog {
    Q_OBJECT
public:
    PlaySettingsDialog(const PlaySettings &settings, QWidget *parent = nullptr);
    PlaySettings settings() const;

private:
    QCheckBox *m_judgement;
    QSpinBox *m_rpm;
    QCheckBox *m_leverWait;
    QCheckBox *m_reachMeFirst;
    QComboBox *m_setting;
};

// 新しい台: asks before the machine played is replaced. `question` says why
// (the player's choice, or a start of the program that asked for one).
class NewMachineDialog : public QDialog {
    Q_OBJECT
public:
    NewMachineDialog(const QString &question, int setting, std::optional<std::uint64_t> seed,
        QWidget *parent = nullptr);

    int setting() const; // 1..6, or 0 hidden
    std::optional<std::uint64_t> seed() const; // empty: any

private:
    void checkSeed();

    QComboBox *m_setting;
    QLineEdit *m_seed;
    QLabel *m_seedProblem;
    QPushButton *m_ok;
};

} // namespace ui
