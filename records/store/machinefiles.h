// Where a machine's files are: the folder "machine" in the program's data
// folder, one machine at a time.
//
//   state.txt    the saved machine (machine/stateformat.h), under state.lock;
//                the play window saves it after every game
//   history.csv  its game history, a row appended after every game, under
//                the same lock (HistoryFile)
//   calls.txt    the calls' figures (CallsStore), under calls.lock, which only
//                the holder of state.lock takes
//
// A damaged file is kept aside as <name>.damaged-YYYYMMDD-HHMMSS.<ext>; the
// history and calls of a machine replaced by another as <name>.past-….<ext>.
#pragma once

#include "safefile/store.h"

#include <QString>

namespace records::machinefiles {

inline const QString kFolderName = QStringLiteral("machine");
inline const QString kHistoryName = QStringLiteral("history.csv");

// `dataFolder`/machine.
QString folder(const QString &dataFolder);

// The saved machine, for the store the play window keeps it with.
safefile::FileKind state();
// The calls' figures.
safefile::FileKind calls();

} // namespace records::machinefiles
