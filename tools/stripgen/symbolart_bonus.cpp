// The bonus symbols: the two BIG symbols and the REG plate.
#include "tools/stripgen/artfont.h"
#include "tools/stripgen/artpaint.h"
#include "tools/stripgen/symbolart.h"

#include <QPainter>
#include <QPainterPath>

namespace stripgen {

namespace {

// Keeps one symbol's pen, brush and transform from leaking into the next,
// even when drawing throws.
class SavedState {
public:
    explicit SavedState(QPainter &painter)
        : m_painter(painter)
    {
        m_painter.save();
    }
    ~SavedState() { m_painter.restore(); }
    SavedState(const SavedState &) = delete;
    SavedState &operator=(const SavedState &) = delete;

private:
    QPainter &m_painter;
};

} // namespace

void drawSymbol(QPainter &painter, judge::Symbol symbol)
{
    const SavedState saved(painter);
    switch (symbol) {
    case judge::Symbol::ao7: drawAo7(painter); break;
    case judge::Symbol::vsign: drawVsign(painter); break;
    case judge::Symbol::regplate: drawRegplate(painter); break;
    case judge::Symbol::replay: drawReplay(painter); break;
    case judge::Symbol::sanjaku: drawSanjaku(painter); break;
    case judge::Symbol::ooyama: drawOoyama(painter); break;
    case judge::Symbol::cherry: drawCherry(painter); break;
    }
}

// 七 as two brush strokes: a bar rising to the right, crossed by a stem that
// bends right at its foot and ends in an upward hook.
void drawAo7(QPainter &painter)
{
    QPainterPath strokes;
    strokes.moveTo(14, 30);
    strokes.lineTo(84, 21);
    strokes.moveTo(41, 10);
    strokes.lineTo(41, 42);
    strokes.quadTo(41, 53, 53, 53);
    strokes.lineTo(76, 53);
    strokes.quadTo(84, 53, 85, 42);

    painter.setBrush(Qt::NoBrush);
    // Both outlines first, then both fills, so the crossing reads as one
    // character rather than two overlapping bars.
    painter.setPen(roundPen(QColor(8, 24, 96), 16));
    painter.drawPath(strokes);
    painter.setPen(roundPen(QColor(24, 84, 224), 11));
    painter.drawPath(strokes);
    painter.setPen(roundPen(QColor(120, 170, 255), 2.5));
    painter.translate(-2, -2);
    painter.drawPath(strokes);
}

// A V sign held up in front of a figure in a pink hooded drape.
void drawVsign(QPainter &painter)
{
    const QColor skin(255, 220, 186);
    const QColor skinLine(128, 64, 40);
    const QColor pink(244, 120, 178);
    const QColor pinkLine(150, 36, 96);

    QPainterPath hood;
    hood.addEllipse(QPointF(36, 24), 18, 20);
    QPainterPath robe;
    robe.addPolygon(
        QPolygonF { { QPointF(8, 66), QPointF(64, 66), QPointF(52, 32), QPointF(20, 32) } });
    const QPainterPath drape = hood.united(robe);
    painter.setPen(roundPen(pinkLine, 1.8));
    painter.setBrush(pink);
    painter.drawPath(drape);
    // The fold where the drape parts below the chin.
    painter.setPen(roundPen(pinkLine, 1.4));
    painter.drawLine(QPointF(36, 40), QPointF(30, 64));

    // Face with a dark fringe, eyes and a smile.
    painter.setPen(roundPen(skinLine, 1.4));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(36, 26), 10.5, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 30, 30));
    QPainterPath fringe;
    fringe.moveTo(25.5, 25);
    fringe.cubicTo(25, 12, 47, 12, 46.5, 25);
    fringe.cubicTo(42, 19, 30, 19, 25.5, 25);
    painter.drawPath(fringe);
    painter.drawEllipse(QPointF(32, 27), 1.5, 2.1);
    painter.drawEllipse(QPointF(40, 27), 1.5, 2.1);
    painter.setPen(roundPen(QColor(170, 40, 60), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(32.5, 28.5, 7, 5), 200 * 16, 140 * 16);

    // The hand: two raised fingers on a palm and wrist, one outline; then
    // the two curled fingers and the thumb folded over them.
    QPainterPath fingers = polyline({ QPointF(63, 42), QPointF(56, 13) });
    fingers.addPath(polyline({ QPointF(71, 41), QPointF(80, 13) }));
    QPainterPath palm;
    palm.addRoundedRect(QRectF(56, 36, 22, 20), 6, 6);
    QPainterPath wrist;
    wrist.addRect(QRectF(59, 50, 15, 16));
    const QPainterPath hand = roundStroke(9, fingers).united(palm).united(wrist);
    painter.setPen(roundPen(skinLine, 1.6));
    painter.setBrush(skin);
    painter.drawPath(hand);
    painter.setPen(roundPen(skinLine, 1.3));
    painter.drawLine(QPointF(67, 40), QPointF(67.6, 35));
    painter.drawRoundedRect(QRectF(65, 40.5, 13, 6), 3, 3);
    painter.drawRoundedRect(QRectF(65, 46.5, 12, 6), 3, 3);
    painter.drawPath(roundStroke(6, polyline({ QPointF(57, 51), QPointF(68, 46) })));
    // The drape's sleeve round the wrist.
    painter.setPen(roundPen(pinkLine, 1.6));
    painter.setBrush(pink);
    painter.drawRoundedRect(QRectF(55, 56, 23, 10), 2, 2);
}

// A black stretched hexagon with a pink inner border and the machine's name.
void drawRegplate(QPainter &painter)
{
    static const QString kName = QStringLiteral("雷光丸");

    const QPolygonF plate { { QPointF(3, 33), QPointF(17, 12), QPointF(79, 12), QPointF(93, 33),
        QPointF(79, 54), QPointF(17, 54) } };
    const QPolygonF border { { QPointF(9.5, 33), QPointF(20.5, 16.5), QPointF(75.5, 16.5),
        QPointF(86.5, 33), QPointF(75.5, 49.5), QPointF(20.5, 49.5) } };
    painter.setPen(roundPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(Qt::black);
    painter.drawPolygon(plate);
    painter.setPen(roundPen(QColor(255, 110, 190), 2.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(border);

    QPainterPath text;
    text.addText(0, 0, artFont(22, kName), kName);
    const QRectF bounds = text.boundingRect();
    text.translate(QPointF(48, 33) - bounds.center());
    painter.setPen(QPen(Qt::white, 0.9)); // a touch heavier than the face itself
    painter.setBrush(Qt::white);
    painter.drawPath(text);
}

} // namespace stripgen
