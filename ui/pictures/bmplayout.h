// What a Windows bitmap's header promises: its size in pixels and how many
// bytes the file needs to hold every pixel row.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace ui {

struct BmpLayout {
    int width = 0;
    int height = 0; // rows, whichever way they are stored
    qint64 bytesNeeded = 0; // up to the end of the last pixel row
};

// The layout from the file's first bytes (54 are enough); nothing when the
// bytes are not an uncompressed bitmap whose size can be told in advance
// (other formats, run-length compression, a damaged header).
std::optional<BmpLayout> readBmpLayout(const QByteArray &head);

} // namespace ui
