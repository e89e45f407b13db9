// The committed reel strip pictures data/r1.bmp, r2.bmp, r3.bmp and their
// twice-as-large r1@2x.bmp, r2@2x.bmp, r3@2x.bmp: their exact file format,
// the cell layout the reel windows rely on, that every cell shows the symbol
// the strip order puts there, and that each large cell scaled down is its
// small one.
#include "judge/strips.h"

#include <QtTest>

#include <array>

namespace {

// Sizes of the ordinary pictures; the @2x ones are `scale` (2) times them.
constexpr int kWidth = 100;
constexpr int kHeight = 1680;
constexpr int kCellHeight = 65;
constexpr int kDataOffset = 54;

int rowBytes(int scale) { return kWidth * scale * 3; }
qsizetype expectedFileSize(int scale)
{
    return kDataOffset + qsizetype { rowBytes(scale) } * kHeight * scale;
}

// Where a symbol may paint inside its cell, at scale 1.
constexpr int kBoxTop = 2, kBoxBottom = 63, kBoxLeft = 1, kBoxRight = 97;

QRect symbolBox(int scale)
{
    return { kBoxLeft * scale, kBoxTop * scale, (kBoxRight - kBoxLeft + 1) * scale,
        (kBoxBottom - kBoxTop + 1) * scale };
}

QString stripPath(int reel, int scale)
{
    return QStringLiteral(STRIP_DIR "/r%1%2.bmp")
        .arg(reel + 1)
        .arg(scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale));
}

// The raw bytes of reel 0..2's picture at scale 1 or 2, read once; empty if
// unreadable.
const QByteArray &stripFile(int reel, int scale)
{
    static std::array<std::array<QByteArray, judge::kReels>, 2> files;
    static std::array<std::array<bool, judge::kReels>, 2> loaded {};
    const auto i = static_cast<std::size_t>(reel);
    const auto s = static_cast<std::size_t>(scale - 1);
    if (!loaded[s][i]) {
        QFile file(stripPath(reel, scale));
        if (file.open(QIODevice::ReadOnly))
            files[s][i] = file.readAll();
        loaded[s][i] = true;
    }
    return files[s][i];
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

// Picture row 0..1679 (× scale) counted from the top as displayed; the file
// stores the rows bottom-up, three bytes (blue, green, red) per pixel.
QByteArray pictureRow(const QByteArray &file, int scale, int row)
{
    const int bytes = rowBytes(scale);
    return file.mid(kDataOffset + (kHeight * scale - 1 - row) * bytes, bytes);
}

QRgb pixelAt(const QByteArray &file, int scale, int x, int row)
{
    const int at = kDataOffset + (kHeight * scale - 1 - row) * rowBytes(scale) + 3 * x;
    return qRgb(static_cast<quint8>(file[at + 2]), static_cast<quint8>(file[at + 1]),
        static_cast<quint8>(file[at]));
}

// The 65 (× scale) rows of strip cell 1..21 (rows 65n..65n+64 at scale 1).
QByteArray cellPixels(const QByteArray &file, int scale, int cell)
{
    QByteArray pixels;
    for (int row = kCellHeight * scale * cell; row < kCellHeight * scale * (cell + 1); ++row)
        pixels += pictureRow(file, scale, row);
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
    QTest::addColumn<int>("scale");
    for (int scale : { 1, 2 })
        for (int reel = 0; reel < judge::kReels; ++reel)
            QTest::newRow(qPrintable(QFileInfo(stripPath(reel, scale)).fileName()))
                << reel << scale;
}

void addSymbolRows()
{
    QTest::addColumn<int>("symbol");
    QTest::addColumn<int>("scale");
    for (int scale : { 1, 2 })
        for (int s = 0; s < judge::kSymbolCount; ++s)
            QTest::addRow("%s at %d", qPrintable(symbolTag(s)), scale) << s << scale;
}

} // namespace

#define REQUIRE_STRIP(file, reel, scale)                                                           \
    const QByteArray &file = stripFile(reel, scale);                                               \
    QVERIFY2(file.size() == expectedFileSize(scale),                                               \
        qPrintable(                                                                                \
            stripPath(reel, scale) + QStringLiteral(" missing or of size %1").arg(file.size())))

class TestStrips : public QObject {
    Q_OBJECT

private slots:
    void fileSize_data() { addReelRows(); }
    void fileSize()
    {
        QFETCH(int, reel);
        QFETCH(int, scale);
        QCOMPARE(QFileInfo(stripPath(reel, scale)).size(), expectedFileSize(scale));
    }

    void headerField_data()
    {
        struct Field {
            const char *name;
            int offset, size;
            quint32 value, value2x; // in r1.bmp and in r1@2x.bmp
        };
        static constexpr Field fields[] = {
            { "signature BM", 0, 2, 'B' | ('M' << 8), 'B' | ('M' << 8) },
            { "file size", 2, 4, 504054, 2016054 },
            { "reserved 1", 6, 2, 0, 0 },
            { "reserved 2", 8, 2, 0, 0 },
            { "pixel data offset", 10, 4, 54, 54 },
            { "info header size", 14, 4, 40, 40 },
            { "width", 18, 4, 100, 200 },
            { "height, positive", 22, 4, 1680, 3360 },
            { "planes", 26, 2, 1, 1 },
            { "bits per pixel", 28, 2, 24, 24 },
            { "compression", 30, 4, 0, 0 },
            { "image size", 34, 4, 504000, 2016000 },
            { "x pixels per metre", 38, 4, 3790, 3790 },
            { "y pixels per metre", 42, 4, 3800, 3800 },
            { "colours used", 46, 4, 0, 0 },
            { "important colours", 50, 4, 0, 0 },
        };
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<quint32>("expected");
        for (int scale : { 1, 2 })
            for (int reel = 0; reel < judge::kReels; ++reel)
                for (const Field &f : fields)
                    QTest::addRow(
                        "%s %s", qPrintable(QFileInfo(stripPath(reel, scale)).fileName()), f.name)
                        << reel << scale << f.offset << f.size
                        << (scale == 1 ? f.value : f.value2x);
    }
    void headerField()
    {
        QFETCH(int, reel);
        QFETCH(int, scale);
        QFETCH(int, offset);
        QFETCH(int, size);
        QFETCH(quint32, expected);
        REQUIRE_STRIP(file, reel, scale);
        QCOMPARE(littleEndian(file, offset, size), expected);
    }

    // The window system's own loader must see the pixels our decoding sees:
    // this pins down the byte order and the bottom-up rows.
    void platformLoaderAgrees_data() { addReelRows(); }
    void platformLoaderAgrees()
    {
        QFETCH(int, reel);
        QFETCH(int, scale);
        REQUIRE_STRIP(file, reel, scale);
        const QImage image(stripPath(reel, scale));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(kWidth, kHeight) * scale);
        for (int row = 0; row < image.height(); ++row)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, row) != pixelAt(file, scale, x, row))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(row)));
    }

    // Everything below cell 21 repeats the picture's first rows, so that
    // positions 0 and 21 show the same thing.
    void repeatedRows_data() { addReelRows(); }
    void repeatedRows()
    {
        QFETCH(int, reel);
        QFETCH(int, scale);
        REQUIRE_STRIP(file, reel, scale);
        const int firstRepeat = 21 * kCellHeight * scale;
        for (int k = 0; firstRepeat + k < kHeight * scale; ++k)
            if (pictureRow(file, scale, firstRepeat + k) != pictureRow(file, scale, k))
                QFAIL(qPrintable(
                    QStringLiteral("row %1 is not a copy of row %2").arg(firstRepeat + k).arg(k)));
    }

    void whiteOutsideSymbolBoxes_data() { addReelRows(); }
    void whiteOutsideSymbolBoxes()
    {
        QFETCH(int, reel);
        QFETCH(int, scale);
        REQUIRE_STRIP(file, reel, scale);
        const QRect box = symbolBox(scale);
        for (int row = 0; row < kHeight * scale; ++row) {
            const int inCell = row % (kCellHeight * scale);
            for (int x = 0; x < kWidth * scale; ++x) {
                if (box.contains(x, inCell))
                    continue;
                if (pixelAt(file, scale, x, row) != qRgb(255, 255, 255))
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
        QFETCH(int, scale);
        const QList<Place> places = placesOf(static_cast<judge::Symbol>(symbol));
        QVERIFY(!places.isEmpty());
        for (int reel = 0; reel < judge::kReels; ++reel) {
            REQUIRE_STRIP(file, reel, scale);
        }
        const Place &front = places.front();
        const QByteArray first = cellPixels(stripFile(front.reel, scale), scale, front.cell);
        for (const Place &place : places)
            QVERIFY2(cellPixels(stripFile(place.reel, scale), scale, place.cell) == first,
                qPrintable(placeName(place) + " differs from " + placeName(places.front())));
    }

    void symbolsDiffer_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("scale");
        for (int scale : { 1, 2 })
            for (int a = 0; a < judge::kSymbolCount; ++a)
                for (int b = a + 1; b < judge::kSymbolCount; ++b)
                    QTest::addRow(
                        "%s vs %s at %d", qPrintable(symbolTag(a)), qPrintable(symbolTag(b)), scale)
                        << a << b << scale;
    }
    void symbolsDiffer()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, scale);
        const Place pa = placesOf(static_cast<judge::Symbol>(a)).front();
        const Place pb = placesOf(static_cast<judge::Symbol>(b)).front();
        REQUIRE_STRIP(fileA, pa.reel, scale);
        REQUIRE_STRIP(fileB, pb.reel, scale);
        QVERIFY(cellPixels(fileA, scale, pa.cell) != cellPixels(fileB, scale, pb.cell));
    }

    // A symbol a player spots at a glance covers a fair share of its box.
    void symbolNotBlank_data() { addSymbolRows(); }
    void symbolNotBlank()
    {
        QFETCH(int, symbol);
        QFETCH(int, scale);
        const Place place = placesOf(static_cast<judge::Symbol>(symbol)).front();
        REQUIRE_STRIP(file, place.reel, scale);
        const QRect box = symbolBox(scale);
        const int cellTop = kCellHeight * scale * place.cell;
        int inked = 0;
        for (int row = box.top(); row <= box.bottom(); ++row)
            for (int x = box.left(); x <= box.right(); ++x)
                if (pixelAt(file, scale, x, cellTop + row) != qRgb(255, 255, 255))
                    ++inked;
        const int boxArea = box.width() * box.height();
        QVERIFY2(inked * 10 >= boxArea,
            qPrintable(QStringLiteral("only %1 of %2 pixels drawn").arg(inked).arg(boxArea)));
    }

    // The colour a player knows each symbol by, as the average of its drawn
    // pixels. Swapped colour channels would turn the blue 七 red.
    void symbolColour_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<int>("scale");
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
        for (int scale : { 1, 2 })
            for (const auto &[symbol, family] : rows)
                QTest::addRow("%s at %d", qPrintable(symbolTag(static_cast<int>(symbol))), scale)
                    << static_cast<int>(symbol) << scale << QString::fromLatin1(family);
    }
    void symbolColour()
    {
        QFETCH(int, symbol);
        QFETCH(int, scale);
        QFETCH(QString, family);
        const Place place = placesOf(static_cast<judge::Symbol>(symbol)).front();
        REQUIRE_STRIP(file, place.reel, scale);
        const QRect box = symbolBox(scale);
        const int cellTop = kCellHeight * scale * place.cell;
        qint64 red = 0, green = 0, blue = 0, inked = 0;
        for (int row = box.top(); row <= box.bottom(); ++row)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb p = pixelAt(file, scale, x, cellTop + row);
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

    // Each cell of the large picture, every 2 × 2 block averaged, is its
    // cell of the small one: the program uses a large picture only if it
    // stays within 8 of 255 per channel on average.
    void largeCellsScaleDownToSmallOnes_data()
    {
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("cell");
        for (int reel = 0; reel < judge::kReels; ++reel)
            for (int cell = 0; cell * kCellHeight < kHeight; ++cell)
                QTest::addRow("r%d cell row %d", reel + 1, cell) << reel << cell;
    }
    void largeCellsScaleDownToSmallOnes()
    {
        QFETCH(int, reel);
        QFETCH(int, cell);
        REQUIRE_STRIP(small, reel, 1);
        REQUIRE_STRIP(large, reel, 2);
        std::array<qint64, 3> sums {};
        int pixels = 0;
        for (int row = cell * kCellHeight; row < std::min(kHeight, (cell + 1) * kCellHeight); ++row)
            for (int x = 0; x < kWidth; ++x, ++pixels) {
                const QRgb block[] = { pixelAt(large, 2, 2 * x, 2 * row),
                    pixelAt(large, 2, 2 * x + 1, 2 * row), pixelAt(large, 2, 2 * x, 2 * row + 1),
                    pixelAt(large, 2, 2 * x + 1, 2 * row + 1) };
                const QRgb p = pixelAt(small, 1, x, row);
                int (*const channels[])(QRgb) = { qRed, qGreen, qBlue };
                for (std::size_t c = 0; c < 3; ++c) {
                    int four = 0;
                    for (QRgb b : block)
                        four += channels[c](b);
                    sums[c] += std::abs(four - 4 * channels[c](p));
                }
            }
        for (std::size_t c = 0; c < 3; ++c) {
            const double mean = double(sums[c]) / (4.0 * pixels);
            QVERIFY2(mean <= 8.0,
                qPrintable(QStringLiteral("channel %1 differs by %2 on average").arg(c).arg(mean)));
        }
    }
};

QTEST_GUILESS_MAIN(TestStrips)
#include "tst_strips.moc"
