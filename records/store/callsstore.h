// A machine's calls' figures (ボーナス察知) on disk: calls.txt beside the
// machine's saved state, through the safe-file store, saved after every game
// that changed them, so that they outlive restarts.
//
// Its lock (calls.lock) is taken only while the store beside holds the
// machine's: two programs can never split the machine's files between them.
// While the store beside does not save, the figures are read for display
// only and status() is the store beside's.
#pragma once

#include "records/bonuscalls.h"
#include "safefile/store.h"

#include <QDateTime>

#include <memory>
#include <string>

namespace records {

class CallsStore {
public:
    explicit CallsStore(const safefile::Store &beside);

    const CallFigures &figures() const { return m_figures; }

    safefile::Status status() const { return m_store ? m_store->status() : m_besideStatus; }
    int error() const { return m_store ? m_store->error() : 0; }
    QString filePath() const { return m_filePath; }
    QString asidePath() const { return m_store ? m_store->asidePath() : QString(); }
    // Why a file was kept aside or left as it is (one line for the player).
    const std::string &reason() const { return m_reason; }
    // Its saved() signal comes after every save; none while only shown.
    safefile::Store *file() { return m_store.get(); }

    // Keeps `figures` and queues them for the worker when they changed;
    // returns at once. Nothing is saved while readOnly(status()).
    void save(const CallFigures &figures);
    void flush();

    // A new machine in place of the one before (新しい台): its figures are
    // kept as calls.past-….txt (stamped `when`, as its history is), and
    // counting begins again from nothing.
    bool startAgain(const QDateTime &when = QDateTime::currentDateTime());

private:
    safefile::Status m_besideStatus;
    QString m_filePath;
    CallFigures m_figures;
    std::string m_reason;
    std::unique_ptr<safefile::Store> m_store; // after what its opening fills
};

} // namespace records
