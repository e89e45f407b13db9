// Everything the program keeps between runs, declared once, in the spirit of
// KDE's kcfg: each setting's key, its default and the values it may take are
// here and nowhere else, and the windows read and write them through these
// entries. QSettings keeps them (~/.config/reachme/reachme.conf); a value
// that is missing, of the wrong kind or out of range reads as the default.
// The player's data — the drill's progress and what comes after it — lives
// in dataFolder().
#pragma once

#include "drill/session.h"

#include <QByteArray>
#include <QString>

namespace ui::settings {

// A whole number from `least` to `most`.
struct NumberEntry {
    const char *key;
    int fallback;
    int least, most;

    int read() const;
    void write(int value) const;
};

// One of two words.
struct ChoiceEntry {
    const char *key;
    const char *fallback;
    const char *other;

    // True when the other word is stored.
    bool readOther() const;
    void writeOther(bool other) const;
};

// Yes or no, stored as "true" or "false".
struct FlagEntry {
    const char *key;
    bool fallback;

    bool read() const;
    void write(bool value) const;
};

// A text, kept as it is.
struct TextEntry {
    const char *key;

    QString read() const; // empty by default
    void write(const QString &value) const;
};

// Bytes as QWidget::saveGeometry() gives them.
struct BytesEntry {
    QString key;

    QByteArray read() const; // empty by default
    void write(const QByteArray &value) const;
};

// 練習 (drill::SessionSettings, whose defaults these are): how patterns come
// ("weakness" 苦手克服 or "play" 実戦), the categories to practise as their
// numbers ("2 3 4 9"; none chosen: all nine), the time limit per pattern and
// the delay before the next pattern comes by itself, in seconds (0: none).
inline constexpr ChoiceEntry kDrillMode { "drill/mode", "weakness", "play" };
static_assert(drill::SessionSettings {}.mode == drill::Mode::weakness);
inline constexpr TextEntry kDrillCategories { "drill/categories" };
inline constexpr NumberEntry kDrillTimeLimit { "drill/timeLimitSeconds",
    drill::SessionSettings {}.timeLimitSeconds, 0, 10 };
inline constexpr NumberEntry kDrillDelay { "drill/delaySeconds",
    drill::SessionSettings {}.delaySeconds, 0, 10 };
// 練習 asks the reach-me patterns met in 実戦 (the collection) first.
inline constexpr FlagEntry kDrillMetInPlayFirst { "drill/metInPlayFirst",
    drill::SessionSettings {}.metInPlayFirst };

// リーチ目コレクション lists the patterns not yet collected too.
inline constexpr FlagEntry kCollectionShowUncollected { "collection/showUncollected", true };

// 実戦 (ui::PlaySettings, whose defaults these are): the judgement after every
// game, the reels' speed in rpm, the 4.1 s between two levers, the control's
// リーチ目優先 (the machine's control option: what can stop, and so the
// collection's figures), and the setting of a new machine (0: hidden, drawn
// at random).
inline constexpr ChoiceEntry kPlayJudgement { "play/showJudgement", "no", "yes" };
inline constexpr NumberEntry kPlayRpm { "play/rpm", 80, 40, 80 };
inline constexpr ChoiceEntry kPlayLeverWait { "play/leverWait", "no", "yes" };
inline constexpr ChoiceEntry kPlayReachMeFirst { "play/reachMeFirst", "no", "yes" };
inline constexpr NumberEntry kPlaySetting { "play/setting", 0, 0, 6 };

// Where a newer window was left: "windows/NAME/geometry", by these names.
inline constexpr const char *kChartWindow = "chart";
inline constexpr const char *kDrillWindow = "drill";
inline constexpr const char *kCollectionWindow = "collection";
inline constexpr const char *kDataWindow = "data";
inline constexpr const char *kPlayWindow = "play";
BytesEntry windowPlace(const char *window);

// The folder of the player's data: QStandardPaths::AppDataLocation
// (~/.local/share/reachme/reachme/).
QString dataFolder();

} // namespace ui::settings
