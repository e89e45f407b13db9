// The window "データ": what a hall's data counter shows of the machine in
// play (ゲーム数, the games, BIG and REG with their observed 1/x, the bonus
// history with the reach-me patterns each bonus showed while carried), the
// slump graph, 設定推測 as six bars with 答え合わせ for a hidden setting, the
// player's ボーナス察知 figures, and the history saved as CSV. Not modal: it
// stands beside the play window, which feeds it after every game.
#pragma once

#include "records/bonuscalls.h"
#include "records/datacounter.h"
#include "records/history.h"
#include "ui/pictures/patternpainter.h"

#include <QMainWindow>

class QLabel;
class QListView;
class QPushButton;

namespace ui::data {

class BonusHistoryModel;
class SettingBars;
class SlumpChart;

class DataWindow : public QMainWindow {
    Q_OBJECT
public:
    // The pictures draw the reach-me patterns as the reel windows show them.
    explicit DataWindow(const StripPictures &pictures, QWidget *parent = nullptr);
    ~DataWindow() override;

    // A new machine, or the start: its whole history and its setting 1..6,
    // hidden from the player until 答え合わせ when `settingHidden`.
    void setMachine(const records::GameHistory &history, int setting, bool settingHidden);
    // After every game. A game that does not follow the last one begins the
    // history anew with it, as the machine's history file does.
    void addGame(const records::GameRow &row);
    void setCalls(const records::CallFigures &figures);

    // Writes the history's CSV to `path` whole or not at all: empty when
    // done, else why not (the file before stays as it was).
    QString saveHistory(const QString &path) const;
    // The same, saying in the status bar that it was saved, or in a message
    // why not.
    void saveHistoryAs(const QString &path);

    const records::GameHistory &history() const { return m_history; }
    const records::DataCounter &counter() const { return m_counter; }
    BonusHistoryModel *bonusModel() const { return m_bonusModel; }
    SlumpChart *slumpChart() const { return m_slump; }
    SettingBars *settingBars() const { return m_bars; }

private:
    void rebuild();
    void showCounter();
    void showSetting();
    void reveal();
    void chooseCsvFile();

    PatternPainter m_painter;
    records::GameHistory m_history;
    records::DataCounter m_counter;
    int m_setting = 1;
    bool m_hidden = false;
    bool m_revealed = false;

    QLabel *m_gamesSinceBonus, *m_games, *m_bigs, *m_regs, *m_bigOneIn, *m_regOneIn, *m_difference;
    QLabel *m_right, *m_wrong, *m_missed, *m_average;
    QLabel *m_answer;
    QPushButton *m_revealButton;
    BonusHistoryModel *m_bonusModel;
    QListView *m_bonusList;
    SlumpChart *m_slump;
    SettingBars *m_bars;
};

} // namespace ui::data
