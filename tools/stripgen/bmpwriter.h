// A writer for uncompressed 24-bit Windows bitmaps, laid out byte for byte
// like the strip pictures the main window is designed with.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace stripgen {

// The whole file: 14-byte file header, 40-byte info header, then the rows
// bottom-up in BGR order, each padded to a multiple of four bytes.
QByteArray encodeBmp24(const QImage &image);

// Writes encodeBmp24(image) to path atomically; throws std::runtime_error.
void writeBmp24(const QImage &image, const QString &path);

} // namespace stripgen
