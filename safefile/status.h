// What a store found when it opened its file, and whether it saves.
#pragma once

namespace safefile {

enum class Status {
    freshStart, // no file yet; saving to filePath
    loaded, // read filePath; saving to it
    keptAside, // filePath was damaged or not ours; moved to asidePath; fresh start, saving
    newerVersion, // filePath is of a newer format; left as is; not saving
    damagedNotMoved, // filePath damaged and could not be moved aside; left as is; not saving
    notReadable, // filePath could not be read (error() says why); left as is; not saving
    notRegular, // filePath is a FIFO, a device, a folder …; left as is; not saving
    notWritable, // the folder cannot be made or written; not saving
    lockUnavailable, // the lock cannot be taken for a reason error() gives; not saving
    lockedByOther, // a running program holds the lock; read filePath if it could; not saving
    saveFailed, // the last save failed (error() says why); the file before it stays; still trying
};

// True for the statuses under which nothing is saved at all.
constexpr bool readOnly(Status s)
{
    return s != Status::freshStart && s != Status::loaded && s != Status::keptAside
        && s != Status::saveFailed;
}

} // namespace safefile
