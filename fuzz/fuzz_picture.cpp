// Any bytes as a strip picture, read the way the program reads "r1.bmp": the
// bitmap header's promised size first, then a QImageReader that tells the
// format by the content. The outcome must be a clean error or a usable
// picture, never a crash or a hang.
#include "ui/pictures/bmplayout.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Qt warns about every seek past the end of a damaged file; millions of
// such lines would drown the fuzzer's own report.
void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

// The decoders live in Qt, which is built without the fuzzer's coverage, so
// the fuzzer is told instead which kind of bitmap header it reached and what
// came of it. libFuzzer reads this section as extra coverage counters.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t outcomeSeen[1 << 12];

unsigned field(const std::uint8_t *data, std::size_t size, std::size_t at, std::size_t bytes)
{
    unsigned value = 0;
    for (std::size_t i = 0; i < bytes && at + i < size; ++i)
        value |= unsigned(data[at + i]) << (8 * i);
    return value;
}

unsigned bitLength(unsigned value) { return value ? 32u - unsigned(__builtin_clz(value)) : 0; }

// Header size, bits per pixel, compression, the sizes' magnitudes and the
// outcome (0 loaded, else the reader's error), folded into one counter.
void noteOutcome(const std::uint8_t *data, std::size_t size, unsigned outcome)
{
    const unsigned headerSize = field(data, size, 14, 4);
    const bool core = headerSize == 12; // the old OS/2 header has 16-bit sizes
    const unsigned width = core ? field(data, size, 18, 2) : field(data, size, 18, 4);
    const int height
        = core ? std::int16_t(field(data, size, 20, 2)) : std::int32_t(field(data, size, 22, 4));
    const unsigned bits = field(data, size, core ? 24 : 28, 2);
    const unsigned compression = core ? 0 : field(data, size, 30, 4);
    unsigned key = outcome;
    key = key * 131 + bitLength(headerSize);
    key = key * 131 + (bits & 0x3f);
    key = key * 131 + (compression & 0xf);
    key = key * 131 + bitLength(width) * 2 + (height < 0);
    key = key * 131 + bitLength(unsigned(height < 0 ? -std::int64_t(height) : height));
    key = key * 131 + bitLength(unsigned(size));
    ++outcomeSeen[key % sizeof outcomeSeen];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const auto previous = qInstallMessageHandler(dropMessages);
    (void)previous;
    QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // A promised size is never empty or negative, whatever the bytes.
    if (const auto layout = ui::readBmpLayout(bytes.left(64));
        layout && (layout->width <= 0 || layout->height <= 0 || layout->bytesNeeded < 0))
        std::abort();
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image)) {
        // The message box needs a reason; a buffer is never "not found". A
        // failed read may leave a partly decoded image behind: the program
        // never shows it, since the load as a whole has failed.
        if (reader.errorString().isEmpty() || reader.error() == QImageReader::FileNotFoundError)
            std::abort();
        return 0;
    }
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        std::abort();
    // The window shows every pixel: touch the corners and convert the whole
    // picture, as showing it would.
    const QImage shown = image.convertToFormat(QImage::Format_RGB32);
    volatile QRgb corners = shown.pixel(0, 0) ^ shown.pixel(shown.width() - 1, shown.height() - 1);
    (void)corners;
    noteOutcome(data, size, 0);
    return 0;
}
