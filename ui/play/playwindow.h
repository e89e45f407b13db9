// The window "実戦": the machine a player sits at. MAX BET, the lever, three
// stop buttons 順押し under reels that turn at the real speed and stop where
// the key went down, the machine's displays, ボーナス察知, and the sitting
// saved after every bet and game. Not modal; the sitting's lock is held while
// the window exists, so the window is best deleted when it closes.
//
// Keys: B MAX BET, ↑ or Space the lever, ← ↓ → or Z X C the stops, Enter
// ボーナス察知. They act at the moment they go down, once however long they
// are held, and only when their button is lit. No control takes the keyboard
// focus, so the keys always reach the window.
//
// What the records build on: gameEnded for every game the machine finishes
// (at its third stop) and gameRecorded with its row once the history has it,
// gameInView when it stands on the reels, callMade for every call,
// machineReplaced for 新しい台 (the history begins again), settingRevealed;
// history() is the machine's history as read on opening and every game
// since, machineSetting() and settingShown() the machine's setting and
// whether the window shows it.
#pragma once

#include "play/clock.h"
#include "play/framepacing.h"
#include "play/session.h"
#include "play/store/sessionstore.h"
#include "ui/pictures/strippictures.h"
#include "ui/play/playsettings.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QGridLayout;
class QLabel;

namespace ui {

class PlayButton;
class ReelView;

// Where the window's time comes from; tests drive it by hand.
struct PlayTiming {
    std::shared_ptr<const play::Clock> clock; // the reel clock
    bool frameTimer = true; // off: nothing paces the frames but calls of frame()
    std::function<std::uint64_t()> seeds; // for a new machine given no seed
};

// The steady clock, frames at the screen's rate and seeds from the system.
PlayTiming systemPlayTiming();

class PlayWindow : public QMainWindow, private play::SessionView {
    Q_OBJECT
public:
    PlayWindow(const StripPictures &pictures, const QString &dataFolder, QWidget *parent = nullptr);
    PlayWindow(const StripPictures &pictures, const QString &dataFolder, PlayTiming timing,
        QWidget *parent = nullptr);
    ~PlayWindow() override;

    const play::Session &session() const { return *m_session; }
    const play::SessionStore &store() const { return *m_store; }
    bool settingShown() const { return m_settingShown; }
    int machineSetting() const { return m_session->machine().state().setting; }
    const records::GameHistory &history() const { return m_store->history().history(); }
    std::uint64_t seed() const { return m_seed; }
    PlaySettings settings() const { return m_settings; }
    // Kept with QSettings; the speed and リーチ目優先 take effect at the next
    // lever.
    void applySettings(const PlaySettings &settings);

    // The player's controls, as their keys and buttons act: `stamp` is the
    // window system's time of the event (0 when it has none).
    void maxBet();
    void lever(quint64 stamp = 0);
    void stop(int reel, quint64 stamp = 0);
    void call();

    // A new machine asked for by a start of the program: at once while
    // nothing has been played on this one, else after the player confirms
    // in the window, once the reels stand. `setting` empty: as the settings
    // choose.
    void requestNewMachine(std::optional<int> setting, std::optional<std::uint64_t> seed);
    // Replaces the machine now, while the reels stand: `setting` 1..6, or 0
    // hidden and drawn from the seed.
    bool newMachine(int setting, std::optional<std::uint64_t> seed);

    ReelView *reelView() const { return m_reels; }
    // The frame timer, for tests: it runs only while a reel moves or waits to.
    const QTimer &frameTimer() const { return m_frames; }

public slots:
    // Brings the reels to the reel clock's time and paints what moved.
    void frame();
    void openSettings();
    void openNewMachine();
    void revealSetting();

signals:
    void gameEnded(const machine::GameResult &game);
    void gameRecorded(const records::GameRow &row);
    void gameInView(const machine::GameResult &game);
    void callMade(play::Call call, const records::CallFigures &figures);
    void machineReplaced();
    void settingRevealed();
    // The practice settings chosen (the control's リーチ目優先 among them).
    void settingsApplied();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What the session tells its view.
    void refresh() override;
    void machineChanged() override;
    void gameFinished(const machine::GameResult &game) override;
    void gameShown(const machine::GameResult &game) override;
    void called(play::Call call) override;

    QWidget *buildMachinePanel(const StripPictures &pictures);
    QWidget *buildDisplays();
    QLabel *addDisplay(QGridLayout *grid, int row, const QString &word);
    void buildMenu();
    play::Input input(quint64 stamp) const;
    void showReels(play::Micros now);
    void scheduleFrame(play::Micros now);
    void updateDisplays();
    void saveSitting();
    void showStoreStatus();
    void askForRequestedMachine();
    void clearGameTexts();
    void showJudgementLabel();

    PlayTiming m_timing;
    PlaySettings m_settings;
    std::unique_ptr<play::SessionStore> m_store;
    bool m_settingShown = true;
    std::uint64_t m_seed = 0;
    std::unique_ptr<play::Session> m_session;
    play::FramePacing m_pacing { play::kDefaultRefreshRate };
    QTimer m_frames;
    bool m_pacingOn = false;
    bool m_inFrame = false;
    struct Request {
        std::optional<int> setting;
        std::optional<std::uint64_t> seed;
    };
    std::optional<Request> m_request;
    bool m_statusShown = false;
    std::pair<safefile::Status, safefile::Status> m_shownStatus;

    QWidget *m_panel = nullptr;
    ReelView *m_reels = nullptr;
    std::array<QLabel *, 5> m_lamps {};
    PlayButton *m_maxBet = nullptr;
    PlayButton *m_lever = nullptr;
    std::array<PlayButton *, 3> m_stops {};
    PlayButton *m_call = nullptr;
    QLabel *m_order = nullptr;
    QLabel *m_cheer = nullptr;
    QLabel *m_callText = nullptr;
    QLabel *m_judgement = nullptr;
    QLabel *m_notice = nullptr;
    QLabel *m_setting = nullptr;
    QLabel *m_seedLabel = nullptr;
    QLabel *m_message = nullptr;
    struct Displays {
        QLabel *credit, *payout, *games, *bigs, *regs, *difference;
        QLabel *smallGamesLeft, *jacLeft, *jacWins;
        QLabel *right, *wrong, *missed;
    } m_displays {};
    QList<QWidget *> m_bonusOnly;
    QAction *m_newMachine = nullptr;
    QAction *m_reveal = nullptr;
};

} // namespace ui

Q_DECLARE_METATYPE(machine::GameResult)
Q_DECLARE_METATYPE(play::Call)
Q_DECLARE_METATYPE(records::GameRow)
Q_DECLARE_METATYPE(records::CallFigures)
