#include "ui/classic/formlabel.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace ui {

FormLabel::FormLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);
}

void FormLabel::setColours(const QColor &text, const QColor &background)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

void FormLabel::setLineBreakAtBlanks(int blanks)
{
    m_breakingBlanks = blanks;
    update();
}

void FormLabel::setBlankWidth(qreal emWidth)
{
    m_blankWidth = emWidth;
    update();
}

QString FormLabel::displayedText() const
{
    QString shown = text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_breakingBlanks > 0) {
        // Half-width and full-width blanks alike; a run at the very start is
        // an indent and one at the end breaks nothing.
        const QRegularExpression run(
            QStringLiteral("(?<=\\S)[ \u3000]{%1,}(?=\\S)").arg(m_breakingBlanks));
        shown.replace(run, QStringLiteral("\n"));
    }
    return shown;
}

QFont FormLabel::layoutFont() const
{
    QFont condensed = font();
    if (m_breakingBlanks == 0)
        return condensed;
    const QFontMetricsF metrics(condensed);
    static const QRegularExpression kTrailingBlanks(QStringLiteral("[ \u3000]+$"));
    qreal widest = 0;
    for (QString line : displayedText().split(u'\n')) {
        line.remove(kTrailingBlanks);
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const qreal room = contentsRect().width();
    constexpr qreal kMostCondensing = 1.03;
    if (widest > room && widest <= room * kMostCondensing)
        condensed.setLetterSpacing(QFont::PercentageSpacing, std::floor(100 * room / widest));
    return condensed;
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(layoutFont());
    if (m_blankWidth > 0)
        drawWithWideBlanks(painter);
    else
        painter.drawText(contentsRect(), int(alignment()) | Qt::TextWordWrap, displayedText());
}

void FormLabel::drawWithWideBlanks(QPainter &painter) const
{
    const QFontMetricsF metrics(font());
    const qreal blank = qRound(m_blankWidth * font().pixelSize());
    const QRect area = contentsRect();
    const QPointF start(area.left(), area.top() + metrics.ascent());
    qreal x = 0;
    static const QRegularExpression kPieces(QStringLiteral(" +|[^ ]+"));
    for (auto it = kPieces.globalMatch(text()); it.hasNext();) {
        const QString piece = it.next().captured();
        if (piece.front() == u' ') {
            x += blank * piece.size();
        } else {
            painter.drawText(start + QPointF(x, 0), piece);
            x += metrics.horizontalAdvance(piece);
        }
    }
}

} // namespace ui
