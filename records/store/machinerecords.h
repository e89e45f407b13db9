// A machine's records beside its saved state, as the play window keeps them:
// the game history and the calls' figures. The window opens them after the
// store of the machine's state, hands over every game, and starts both again
// for 新しい台.
#pragma once

#include "records/store/callsstore.h"
#include "records/store/historyfile.h"

namespace records {

class MachineRecords {
public:
    // `state`: the store of the machine's saved state (machinefiles::state()),
    // `machineGames` the games of the machine it holds (0 for a new one).
    MachineRecords(const safefile::Store &state, std::int64_t machineGames)
        : m_history(state, machineGames)
        , m_calls(state)
    { }

    HistoryFile &history() { return m_history; }
    const HistoryFile &history() const { return m_history; }
    CallsStore &calls() { return m_calls; }
    const CallsStore &calls() const { return m_calls; }

    // After every game: its row written to the history at once (with any a
    // failed write left), the calls' figures saved when they changed. False
    // when the history could not be written; it is tried again next game.
    bool gameEnded(const GameRow &row, const CallFigures &calls)
    {
        m_calls.save(calls);
        return m_history.add(row);
    }

    // 新しい台: the machine before's history and figures kept side by side
    // as history.past-….csv and calls.past-….txt, both begun again.
    bool startAgain()
    {
        const QDateTime now = QDateTime::currentDateTime();
        const bool history = m_history.startAgain(now);
        return m_calls.startAgain(now) && history;
    }

private:
    HistoryFile m_history;
    CallsStore m_calls;
};

} // namespace records
