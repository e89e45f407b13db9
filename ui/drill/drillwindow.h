// The drill "練習": shows one pattern as the reel windows would, asks which of
// the nine categories it is, tells whether the answer was right, and keeps
// the player's progress. Not modal. The progress file's lock is held while
// the window exists, so the window is best deleted when it closes.
//
// Keys 1–9 (the keypad's too) answer; Enter and Space go on after an answer.
// Nothing in the window takes the keyboard focus, so these keys always reach
// it.
#pragma once

#include "drill/scheduler.h"
#include "drill/store/progressstore.h"
#include "reel/intervaltimer.h"
#include "ui/drill/drillsettings.h"
#include "ui/drill/timelimit.h"
#include "ui/pictures/strippictures.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace ui {

class PatternView;
class StatisticsDialog;

// Where the window's time comes from; tests drive it by hand.
struct DrillTiming {
    std::function<std::int64_t()> milliseconds; // monotonic, for the time limit
    std::unique_ptr<reel::IntervalTimer> limitTicks; // checks the time left
    std::unique_ptr<reel::IntervalTimer> advance; // the delay before the next pattern
    drill::Clock clock; // wall-clock seconds, for the progress
    std::uint64_t seed = 0;
};

// Qt timers, a steady clock, the system's time and a random seed.
DrillTiming systemDrillTiming();

class DrillWindow : public QMainWindow {
    Q_OBJECT
public:
    DrillWindow(
        const StripPictures &pictures, const QString &dataFolder, QWidget *parent = nullptr);
    DrillWindow(const StripPictures &pictures, const QString &dataFolder, DrillTiming timing,
        QWidget *parent = nullptr);
    ~DrillWindow() override;

    judge::Pattern currentPattern() const;
    bool isAnswered() const { return m_answered; }
    // Takes effect with the next pattern; kept with QSettings.
    void applySettings(const DrillSettings &settings);
    DrillSettings settings() const { return m_settings; }

    // Category number 1..9; ignored once the pattern is answered.
    void answer(int category);
    // Ignored until the pattern is answered.
    void nextPattern();

    PatternView *patternView() const { return m_view; }
    QLabel *feedbackLabel() const { return m_feedback; }
    QLabel *messageLabel() const { return m_message; }
    QLabel *timeLeftLabel() const { return m_timeLeft; }
    const drill::ProgressStore &store() const { return *m_store; }
    const drill::Scheduler &scheduler() const { return *m_scheduler; }

public slots:
    void openSettings();
    void openStatistics();
    // Asks first; wipes every pattern's progress and saves that.
    void confirmReset();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildMenu();
    QWidget *buildAnswerButtons();
    void showPattern();
    void finishAnswer(std::optional<judge::Category> chosen);
    void checkTime();
    void showTimeLeft();
    void setActive(bool active);
    void showStoreStatus();
    void refreshStatistics();

    DrillTiming m_timing;
    std::unique_ptr<drill::ProgressStore> m_store;
    std::unique_ptr<drill::Scheduler> m_scheduler;
    DrillSettings m_settings;
    TimeLimit m_limit;
    bool m_answered = false;
    bool m_active = false;
    bool m_statusShown = false;
    drill::StoreStatus m_shownStatus = drill::StoreStatus::loaded;

    PatternView *m_view = nullptr;
    std::array<QPushButton *, judge::kCategoryCount> m_answers {};
    QPushButton *m_next = nullptr;
    QLabel *m_feedback = nullptr;
    QLabel *m_timeLeft = nullptr;
    QLabel *m_message = nullptr;
    StatisticsDialog *m_statistics = nullptr;
};

} // namespace ui
