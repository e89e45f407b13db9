// The player's reach-me collection, one for the whole program: read once from
// the data folder, fed every game of 実戦, saved off the UI thread after each
// reach-me collected, and shown by the collection window, the chart's filter
// 実戦で見た and the drill's option to ask those patterns first.
//
// The control option リーチ目優先 (実戦's setting) decides how many patterns of
// each result can stop at all, the figures' second number.
#pragma once

#include "judge/patternfilter.h"
#include "machine/machine.h"
#include "records/store/collectionstore.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

class CollectionKeeper : public QObject {
    Q_OBJECT
public:
    // Seconds since 1970-01-01 UTC.
    using Clock = std::function<std::int64_t()>;
    static std::int64_t systemTime();

    // Opens the collection in `dataFolder` and reads the option from the
    // settings.
    explicit CollectionKeeper(
        const QString &dataFolder, Clock clock = systemTime, QObject *parent = nullptr);
    ~CollectionKeeper() override; // the last save is written first

    const records::ReachMeCollection &collection() const { return m_store.collection(); }
    const records::CollectionStore &store() const { return m_store; }
    // The patterns collected, and those that can be (J03 … J13).
    const judge::PatternSet &collected() const { return m_collected; }
    static const judge::PatternSet &collectable();

    // Per result J03 … J13, for the option in use.
    std::vector<records::ResultFigures> figures() const;
    machine::ControlOption controlOption() const { return m_option; }
    void setControlOption(machine::ControlOption option);
    // The option as 実戦's settings keep it.
    void readControlOption();

    // Waits for the saves queued (tests, closing).
    void flush() { m_store.flush(); }

    // Empty while all is well; else what the player should know.
    QString message() const { return m_message; }

    // The game's pattern, when it shows a reach-me in a normal game, at
    // `time`; saved at once.
    records::ReachMeCollection::Recorded record(const records::GameRow &row, std::int64_t time);

public slots:
    // A finished game of 実戦, at the clock's time.
    void recordGame(const machine::GameResult &game);

signals:
    // A pattern collected, for the first time or again (by patternIndex).
    void patternCollected(int pattern);
    // What can stop changed with the option: the figures and the marks.
    void optionChanged();
    // After either.
    void changed();
    // After a save that failed, or worked again.
    void messageChanged(const QString &message);

private:
    void updateMessage();

    Clock m_clock;
    records::CollectionStore m_store;
    judge::PatternSet m_collected;
    machine::ControlOption m_option = machine::ControlOption::standard;
    QString m_message;
};

} // namespace ui
