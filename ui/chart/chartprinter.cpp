#include "ui/chart/chartprinter.h"

#include "judge/table.h"
#include "ui/common/texts.h"
#include "ui/pictures/cellpictures.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

// The page in millimetres: A4 with even margins, a footer for the page number.
constexpr double kMargin = 12.0;
constexpr double kFooterHeight = 7.0;

// A pattern: three reel windows side by side, its cells and result below.
constexpr int kPatternsPerRow = 5;
constexpr double kReelWidth = 10.5;
constexpr double kReelGap = 0.8;
constexpr double kLabelHeight = 4.2;
constexpr double kRowGap = 2.6;

constexpr double kHeaderHeight = 11.5;
constexpr double kHeaderGap = 2.0;

QFont printFont(double points, bool bold = false)
{
    // IPAPGothic's PDF text reads back as the characters drawn; other CJK
    // faces map some kanji to radicals.
    QFont font;
    font.setFamilies({ QStringLiteral("IPAPGothic") });
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double cellHeight()
{
    const QSize cell = CellPictures::cellSize();
    return kReelWidth * cell.height() / cell.width();
}

double patternRowHeight() { return 3 * cellHeight() + kLabelHeight + kRowGap; }

// What goes on a page, found before painting so that every page can say how
// many there are.
struct Block {
    std::size_t group;
    bool isHeader;
    bool continued; // a header repeated for a group going on from a page before
    std::size_t first; // patterns [first, first + count) of the group
    std::size_t count;
};
using Page = std::vector<Block>;

std::vector<Page> layOut(const std::vector<judge::ResultGroup> &groups, double pageHeight)
{
    const double usable = pageHeight - kFooterHeight;
    const double header = kHeaderHeight + kHeaderGap;
    std::vector<Page> pages(1);
    double y = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::size_t patterns = groups[g].patterns.size();
        if (patterns == 0)
            continue;
        // A header never stands alone at the foot of a page.
        if (y > 0 && y + header + patternRowHeight() > usable) {
            pages.emplace_back();
            y = 0;
        }
        pages.back().push_back({ g, true, false, 0, 0 });
        y += header;
        for (std::size_t first = 0; first < patterns; first += kPatternsPerRow) {
            if (y + patternRowHeight() > usable) {
                pages.emplace_back();
                pages.back().push_back({ g, true, true, 0, 0 });
                y = header;
            }
            pages.back().push_back({ g, false, false, first,
                std::min<std::size_t>(kPatternsPerRow, patterns - first) });
            y += patternRowHeight();
        }
    }
    return pages;
}

// Paints in millimetres from the top left of the printable area, text in
// points.
class PagePainter {
public:
    PagePainter(QPainter &painter, const QPagedPaintDevice &device)
        : m_painter(painter)
        , m_unitsPerMm(device.logicalDpiY() / 25.4)
        , m_width(device.width() / m_unitsPerMm)
        , m_height(device.height() / m_unitsPerMm)
    { }

    double width() const { return m_width; }
    double height() const { return m_height; }

    QRectF rect(double x, double y, double w, double h) const
    {
        return { x * m_unitsPerMm, y * m_unitsPerMm, w * m_unitsPerMm, h * m_unitsPerMm };
    }

    void text(const QRectF &mm, int flags, const QString &text, const QFont &font)
    {
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(rect(mm.x(), mm.y(), mm.width(), mm.height()), flags, text);
    }

    void line(double x1, double y, double x2)
    {
        m_painter.drawLine(QPointF(x1 * m_unitsPerMm, y * m_unitsPerMm),
            QPointF(x2 * m_unitsPerMm, y * m_unitsPerMm));
    }

    QPainter &painter() { return m_painter; }

private:
    QPainter &m_painter;
    double m_unitsPerMm;
    double m_width, m_height;
};

void paintHeader(PagePainter &page, double y, const judge::ResultGroup &group, bool continued)
{
    const std::string_view tamaya = judge::message(group.code).tamaya;
    QString title = QString::fromStdString(judge::name(group.code)) + QStringLiteral("　")
        + resultLine(group.code);
    if (!tamaya.empty())
        title += QStringLiteral("　") + fromUtf8(tamaya);
    if (continued)
        title += QStringLiteral("（続き）");
    const QString counts = fromUtf8(judge::categoryName(judge::categoryOf(group.code)))
        + QStringLiteral("　") + groupCounts(group);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    page.text(QRectF(0, y, page.width(), 6), flags, title, printFont(10.5, true));
    page.text(QRectF(0, y + 6, page.width(), 4.5), flags, counts, printFont(8));
    page.painter().setPen(QPen(Qt::black, 0));
    page.line(0, y + kHeaderHeight, page.width());
}

void paintPattern(PagePainter &page, double x, double y, const judge::Pattern &pattern,
    judge::Code code, const CellPictures &cells)
{
    const std::array<int, 3> top { pattern.left, pattern.centre, pattern.right };
    const double cell = cellHeight();
    QPainter &painter = page.painter();
    painter.setPen(QPen(Qt::darkGray, 0));
    for (int reel = 0; reel < 3; ++reel) {
        const double left = x + reel * (kReelWidth + kReelGap);
        for (int row = 0; row < 3; ++row) {
            // The whole pixmap, always: a PDF embeds a picture once per pixmap
            // and copies any part of one anew.
            const QPixmap &picture
                = cells.cell(reel, judge::cellBelow(top[std::size_t(reel)], row));
            painter.drawPixmap(
                page.rect(left, y + row * cell, kReelWidth, cell), picture, QRectF(picture.rect()));
        }
        painter.drawRect(page.rect(left, y, kReelWidth, 3 * cell));
    }
    const double width = 3 * kReelWidth + 2 * kReelGap;
    const QRectF label(x, y + 3 * cell, width, kLabelHeight);
    const QFont font = printFont(8);
    page.text(label, Qt::AlignLeft | Qt::AlignVCenter, cellsText(pattern), font);
    page.text(
        label, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(judge::name(code)), font);
}

void paintFooter(PagePainter &page, int number, int count)
{
    const QRectF footer(0, page.height() - kFooterHeight + 2, page.width(), kFooterHeight - 2);
    const QFont font = printFont(8);
    page.text(footer, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("リーチ目表"), font);
    page.text(footer, Qt::AlignHCenter | Qt::AlignBottom,
        QStringLiteral("%1 / %2").arg(number).arg(count), font);
}

} // namespace

bool printChart(QPagedPaintDevice &device, const std::vector<judge::ResultGroup> &groups,
    const CellPictures &cells)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    // The symbols are drawn art: keep their pixels rather than a JPEG's guess.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PagePainter page(painter, device);
    const std::vector<Page> pages = layOut(groups, page.height());
    const double slot = page.width() / kPatternsPerRow;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        double y = 0;
        for (const Block &block : pages[p]) {
            const judge::ResultGroup &group = groups[block.group];
            if (block.isHeader) {
                paintHeader(page, y, group, block.continued);
                y += kHeaderHeight + kHeaderGap;
                continue;
            }
            for (std::size_t i = 0; i < block.count; ++i)
                paintPattern(
                    page, double(i) * slot, y, group.patterns[block.first + i], group.code, cells);
            y += patternRowHeight();
        }
        paintFooter(page, int(p) + 1, int(pages.size()));
    }
    return painter.end();
}

} // namespace ui
