// The committed reel strip pictures data/r1.bmp, r2.bmp, r3.bmp: their exact
// file format, the cell layout the reel windows rely on, and that every cell
// shows the symbol the strip order puts there.
#include "judge/strips.h"

#include <QtTest>

#include <array>

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 1680;
constexpr int kCellHeight = 65;
constexpr int kDataOffset = 54;
constexpr int kRowBytes = kWidth * 3;
constexpr qsizetype kFileSize = kDataOffset + qsizetype { kRowBytes } * kHeight;

// Where a symbol may paint inside its cell.
constexpr int kBoxTop = 2, kBoxBottom = 63, kBoxLeft = 1, kBoxRight = 97;

QString stripPath(int reel) { return QStringLiteral(STRIP_DIR "/r%1.bmp").arg(reel + 1); }

// The raw bytes of reel 0..2's picture, read once; empty if unreadable.
const QByteArray &stripFile(int reel)
{
    static std::array<QByteArray, judge::kReels> files;
    static std::array<bool, judge::kReels> loaded {};
    const auto i = static_cast<std::size_t>(reel);
    if (!loaded[i]) {
        QFile file(stripPath(reel));
        if (file.open(QIODevice::ReadOnly))
            files[i] = file.readAll();
        loaded[i] = true;
    }
    return files[i];
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

// Picture row 0..1679 counted from the top as displayed; the file stores the
// rows bottom-up, three bytes (blue, green, red) per pixel.
QByteArray pictureRow(const QByteArray &file, int row)
{
    return file.mid(kDataOffset + (kHeight - 1 - row) * kRowBytes, kRowBytes);
}

QRgb pixelAt(const QByteArray &file, int x, int row)
{
    const int at = kDataOffset + (kHeight - 1 - row) * kRowBytes + 3 * x;
    return qRgb(static_cast<quint8>(file[at + 2]), static_cast<quint8>(file[at + 1]),
        static_cast<quint8>(file[at]));
}

// The 65 rows of strip cell 1..21 (rows 65n..65n+64).
QByteArray cellPixels(const QByteArray &file, int cell)
{
    QByteArray pixels;
    for (int row = kCellHeight * cell; row < kCellHeight * (cell + 1); ++row)
        pixels += pictureRow(file, row);
    return pixels;
}

struct Place {
    int reel, cell;
};

QList<Place> placesOf(judge::Symbol symbol)
{
    QList<Place> places;
    for (int reel = 0; reel < judge::kReels; ++reel)
        for (int cell = 1; cell <= 21; ++cell)
            if (judge::symbolAt(reel, cell) == symbol)
                places.append({ reel, cell });
    return places;
}

QString placeName(const Place &place)
{
    return QStringLiteral("r%1.bmp cell %2").arg(place.reel + 1).arg(place.cell);
}

QString symbolTag(int symbol)
{
    return QString::fromLatin1(judge::symbolName(static_cast<judge::Symbol>(symbol)).data());
}

void addReelRows()
{
    QTest::addColumn<int>("reel");
    for (int reel = 0; reel < judge::kReels; ++reel)
        QTest::addRow("r%d.bmp", reel + 1) << reel;
}

void addSymbolRows()
{
    QTest::addColumn<int>("symbol");
    for (int s = 0; s < judge::kSymbolCount; ++s)
        QTest::newRow(qPrintable(symbolTag(s))) << s;
}

} // namespace

#define REQUIRE_STRIP(file, reel)                                                                  \
    const QByteArray &file = stripFile(reel);                                                      \
    QVERIFY2(file.size() == kFileSize,                                                             \
        qPrintable(stripPath(reel) + QStringLiteral(" missing or of size %1").arg(file.size())))

class TestStrips : public QObject {
    Q_OBJECT

private slots:
    void fileSize_data() { addReelRows(); }
    void fileSize()
    {
        QFETCH(int, reel);
        QCOMPARE(QFileInfo(stripPath(reel)).size(), kFileSize);
    }

    void headerField_data()
    {
        struct Field {
            const char *name;
            int offset, size;
            quint32 value;
        };
        static constexpr Field fields[] = {
            { "signature BM", 0, 2, 'B' | ('M' << 8) },
            { "file size", 2, 4, 504054 },
            { "reserved 1", 6, 2, 0 },
            { "reserved 2", 8, 2, 0 },
            { "pixel data offset", 10, 4, 54 },
            { "info header size", 14, 4, 40 },
            { "width", 18, 4, 100 },
            { "height, positive", 22, 4, 1680 },
            { "planes", 26, 2, 1 },
            { "bits per pixel", 28, 2, 24 },
            { "compression", 30, 4, 0 },
            { "image size", 34, 4, 504000 },
            { "x pixels per metre", 38, 4, 3790 },
            { "y pixels per metre", 42, 4, 3800 },
            { "colours used", 46, 4, 0 },
            { "important colours", 50, 4, 0 },
        };
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<quint32>("expected");
        for (int reel = 0; reel < judge::kReels; ++reel)
            for (const Field &f : fields)
                QTest::addRow("r%d.bmp %s", reel + 1, f.name)
                    << reel << f.offset << f.size << f.value;
    }
    void headerField()
    {
        QFETCH(int, reel);
        QFETCH(int, offset);
        QFETCH(int, size);
        QFETCH(quint32, expected);
        REQUIRE_STRIP(file, reel);
        QCOMPARE(littleEndian(file, offset, size), expected);
    }

    // The window system's own loader must see the pixels our decoding sees:
    // this pins down the byte order and the bottom-up rows.
    void platformLoaderAgrees_data() { addReelRows(); }
    void platformLoaderAgrees()
    {
        QFETCH(int, reel);
        REQUIRE_STRIP(file, reel);
        const QImage image(stripPath(reel));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(kWidth, kHeight));
        for (int row = 0; row < kHeight; ++row)
            for (int x = 0; x < kWidth; ++x)
                if (image.pixel(x, row) != pixelAt(file, x, row))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(row)));
    }

    // Everything below cell 21 repeats the picture's first rows, so that
    // positions 0 and 21 show the same thing.
    void repeatedRows_data() { addReelRows(); }
    void repeatedRows()
    {
        QFETCH(int, reel);
        REQUIRE_STRIP(file, reel);
        const int firstRepeat = 21 * kCellHeight;
        for (int k = 0; firstRepeat + k < kHeight; ++k)
            if (pictureRow(file, firstRepeat + k) != pictureRow(file, k))
                QFAIL(qPrintable(
                    QStringLiteral("row %1 is not a copy of row %2").arg(firstRepeat + k).arg(k)));
    }

    void whiteOutsideSymbolBoxes_data() { addReelRows(); }
    void whiteOutsideSymbolBoxes()
    {
        QFETCH(int, reel);
        REQUIRE_STRIP(file, reel);
        for (int row = 0; row < kHeight; ++row) {
            const int inCell = row % kCellHeight;
            const bool rowInBox = inCell >= kBoxTop && inCell <= kBoxBottom;
            for (int x = 0; x < kWidth; ++x) {
                if (rowInBox && x >= kBoxLeft && x <= kBoxRight)
                    continue;
                if (pixelAt(file, x, row) != qRgb(255, 255, 255))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is not white").arg(x).arg(row)));
            }
        }
    }

    // Every cell of a symbol, on any reel, is the same picture: so the
    // pictures follow the strip order the judgement is written for.
    void sameSymbolSamePicture_data() { addSymbolRows(); }
    void sameSymbolSamePicture()
    {
        QFETCH(int, symbol);
        const QList<Place> places = placesOf(static_cast<judge::Symbol>(symbol));
        QVERIFY(!places.isEmpty());
        for (int reel = 0; reel < judge::kReels; ++reel) {
            REQUIRE_STRIP(file, reel);
        }
        const QByteArray first = cellPixels(stripFile(places.front().reel), places.front().cell);
        for (const Place &place : places)
            QVERIFY2(cellPixels(stripFile(place.reel), place.cell) == first,
                qPrintable(placeName(place) + " differs from " + placeName(places.front())));
    }

    void symbolsDiffer_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        for (int a = 0; a < judge::kSymbolCount; ++a)
            for (int b = a + 1; b < judge::kSymbolCount; ++b)
                QTest::newRow(qPrintable(symbolTag(a) + " vs " + symbolTag(b))) << a << b;
    }
    void symbolsDiffer()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        const Place pa = placesOf(static_cast<judge::Symbol>(a)).front();
        const Place pb = placesOf(static_cast<judge::Symbol>(b)).front();
        REQUIRE_STRIP(fileA, pa.reel);
        REQUIRE_STRIP(fileB, pb.reel);
        QVERIFY(cellPixels(fileA, pa.cell) != cellPixels(fileB, pb.cell));
    }

    // A symbol a player spots at a glance covers a fair share of its box.
    void symbolNotBlank_data() { addSymbolRows(); }
    void symbolNotBlank()
    {
        QFETCH(int, symbol);
        const Place place = placesOf(static_cast<judge::Symbol>(symbol)).front();
        REQUIRE_STRIP(file, place.reel);
        int inked = 0;
        for (int row = kBoxTop; row <= kBoxBottom; ++row)
            for (int x = kBoxLeft; x <= kBoxRight; ++x)
                if (pixelAt(file, x, kCellHeight * place.cell + row) != qRgb(255, 255, 255))
                    ++inked;
        const int boxArea = (kBoxBottom - kBoxTop + 1) * (kBoxRight - kBoxLeft + 1);
        QVERIFY2(inked * 10 >= boxArea,
            qPrintable(QStringLiteral("only %1 of %2 pixels drawn").arg(inked).arg(boxArea)));
    }

    // The colour a player knows each symbol by, as the average of its drawn
    // pixels. Swapped colour channels would turn the blue 七 red.
    void symbolColour_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("family");
        using enum judge::Symbol;
        const std::pair<judge::Symbol, const char *> rows[] = {
            { ao7, "blue" },
            { vsign, "pink" },
            { regplate, "dark" },
            { replay, "blue" },
            { sanjaku, "yellow" },
            { ooyama, "green" },
            { cherry, "pink" },
        };
        for (const auto &[symbol, family] : rows)
            QTest::newRow(qPrintable(symbolTag(static_cast<int>(symbol))))
                << static_cast<int>(symbol) << QString::fromLatin1(family);
    }
    void symbolColour()
    {
        QFETCH(int, symbol);
        QFETCH(QString, family);
        const Place place = placesOf(static_cast<judge::Symbol>(symbol)).front();
        REQUIRE_STRIP(file, place.reel);
        qint64 red = 0, green = 0, blue = 0, inked = 0;
        for (int row = kBoxTop; row <= kBoxBottom; ++row)
            for (int x = kBoxLeft; x <= kBoxRight; ++x) {
                const QRgb p = pixelAt(file, x, kCellHeight * place.cell + row);
                if (p == qRgb(255, 255, 255))
                    continue;
                red += qRed(p);
                green += qGreen(p);
                blue += qBlue(p);
                ++inked;
            }
        QVERIFY(inked > 0);
        const QColor average(int(red / inked), int(green / inked), int(blue / inked));
        const int hue = average.hsvHue();
        bool matches = false;
        if (family == QLatin1String("dark"))
            matches = average.value() < 128;
        else if (family == QLatin1String("blue"))
            matches = hue >= 200 && hue <= 250;
        else if (family == QLatin1String("yellow"))
            matches = hue >= 35 && hue <= 65;
        else if (family == QLatin1String("green"))
            matches = hue >= 90 && hue <= 160;
        else if (family == QLatin1String("pink"))
            matches = hue >= 300 || (hue >= 0 && hue <= 10);
        QVERIFY2(matches,
            qPrintable(QStringLiteral("average colour %1 (hue %2) is not %3")
                           .arg(average.name())
                           .arg(hue)
                           .arg(family)));
    }
};

QTEST_GUILESS_MAIN(TestStrips)
#include "tst_strips.moc"
