// Where a machine's files are: the folder "machine" in the program's data
// folder, one machine at a time.
//
//   state.txt    the saved machine: the play window's sitting at it
//                (play/sessionformat.h: the machine's state, the reels, the
//                calls' figures), saved after every bet and game under
//                state.lock (play::SessionStore)
//   history.csv  its game history, a row appended after every game, before
//                the state is saved, under the same lock (HistoryFile)
//
// A damaged file is kept aside as <name>.damaged-YYYYMMDD-HHMMSS.<ext>; the
// history of a machine replaced by another as history.past-….csv.
#pragma once

#include "safefile/store.h"

#include <QString>

#include <string_view>

namespace records::machinefiles {

inline const QString kFolderName = QStringLiteral("machine");
inline const QString kStateName = QStringLiteral("state.txt");
inline const QString kLockName = QStringLiteral("state.lock");
inline const QString kHistoryName = QStringLiteral("history.csv");

// `dataFolder`/machine.
QString folder(const QString &dataFolder);

// The saved machine, for the store that keeps it: every such file begins
// with `header`, its keeper's format's.
safefile::FileKind state(std::string_view header);

} // namespace records::machinefiles
