// QSettings opens its file blocking and reads all of it: a FIFO, a device or
// a huge file put in place of the user's settings file (or its lock) would
// hang the program or fill its memory. The guard looks first.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace safefile {

class SettingsGuard {
public:
    // Settings files larger than this are not ours.
    static constexpr qint64 kMostBytes = 1024 * 1024;

    // Checks the file that QSettings() uses for the application's user
    // settings. When it or its lock is there but is not a regular file of at
    // most kMostBytes, QSettings is sent to a private folder while the guard
    // lives: settings work, but are not kept, and the file stays as it is.
    // Make it after the application's names are set and before any QSettings.
    SettingsGuard();

    bool diverted() const { return m_folder.has_value(); }
    QString filePath() const { return m_filePath; }

private:
    QString m_filePath;
    std::optional<QTemporaryDir> m_folder;
};

} // namespace safefile
