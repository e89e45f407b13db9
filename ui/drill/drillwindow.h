// The drill "練習": shows one pattern as the reel windows would, asks which of
// the nine categories it is, tells whether the answer was right, and keeps
// the player's progress. Not modal. The progress file's lock is held while
// the window exists, so the window is best deleted when it closes.
//
// Keys 1–9 (the keypad's too) answer; Enter and Space go on after an answer.
// Nothing in the window takes the keyboard focus, so these keys always reach
// it.
#pragma once

#include "drill/session.h"
#include "drill/store/progressstore.h"
#include "ui/drill/drillsettings.h"
#include "ui/pictures/strippictures.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace ui {

class PatternView;
class StatisticsDialog;

// Where the window's time comes from; tests drive it by hand.
using DrillTiming = drill::SessionTiming;

// Qt timers, a steady clock, the system's time and a random seed.
DrillTiming systemDrillTiming();

// The view of a drill::Session, which holds the drill's state and rules.
class DrillWindow : public QMainWindow, private drill::SessionView {
    Q_OBJECT
public:
    DrillWindow(
        const StripPictures &pictures, const QString &dataFolder, QWidget *parent = nullptr);
    DrillWindow(const StripPictures &pictures, const QString &dataFolder, DrillTiming timing,
        QWidget *parent = nullptr);
    ~DrillWindow() override;

    judge::Pattern currentPattern() const;
    bool isAnswered() const { return m_session->isAnswered(); }
    // Takes effect with the next pattern; kept with QSettings.
    void applySettings(const DrillSettings &settings);
    DrillSettings settings() const { return m_session->settings(); }

    // Category number 1..9; ignored once the pattern is answered.
    void answer(int category);
    // Ignored until the pattern is answered.
    void nextPattern();

    PatternView *patternView() const { return m_view; }
    QLabel *feedbackLabel() const { return m_feedback; }
    QLabel *messageLabel() const { return m_message; }
    QLabel *timeLeftLabel() const { return m_timeLeft; }
    const drill::ProgressStore &store() const { return *m_store; }
    const drill::Scheduler &scheduler() const { return m_session->scheduler(); }

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
    void refreshStatistics();

    // drill::SessionView
    void showQuestion(const judge::Pattern &pattern) override;
    void showOutcome(const drill::Outcome &outcome) override;
    void showTimeLeft(const drill::TimeLeft &left) override;
    void showStoreStatus(safefile::Status status) override;
    void progressChanged() override;

    std::unique_ptr<drill::ProgressStore> m_store;
    std::unique_ptr<drill::ProgressKeeper> m_keeper; // the store as the session sees it

    PatternView *m_view = nullptr;
    std::array<QPushButton *, judge::kCategoryCount> m_answers {};
    QPushButton *m_next = nullptr;
    QLabel *m_feedback = nullptr;
    QLabel *m_timeLeft = nullptr;
    QLabel *m_message = nullptr;
    StatisticsDialog *m_statistics = nullptr;

    // Last, so that it goes first: its timers call into the window.
    std::unique_ptr<drill::Session> m_session;
};

} // namespace ui
