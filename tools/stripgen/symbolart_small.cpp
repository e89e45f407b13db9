// The replay and the small-win symbols.
#include "tools/stripgen/artpaint.h"
#include "tools/stripgen/symbolart.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace stripgen {

namespace {

// The point at `degrees` (counter-clockwise from east) and `radius` from
// `centre`, with y growing downwards.
QPointF polar(QPointF centre, qreal degrees, qreal radius)
{
    const qreal rad = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(rad), -radius * std::sin(rad));
}

} // namespace

// An opened folding fan: pleated blue paper on bare ribs around a rivet.
void drawReplay(QPainter &painter)
{
    const QPointF pivot(48, 59);
    constexpr qreal from = 20, to = 160, inner = 19, outer = 48;
    constexpr int pleats = 12;
    constexpr qreal step = (to - from) / pleats;
    const QColor paperLine(10, 36, 120);

    for (int i = 0; i < pleats; ++i) {
        const qreal a0 = from + i * step, a1 = a0 + step;
        painter.setPen(Qt::NoPen);
        painter.setBrush(i % 2 ? QColor(40, 110, 235) : QColor(20, 70, 200));
        painter.drawPolygon(QPolygonF { { polar(pivot, a0, inner), polar(pivot, a0, outer),
            polar(pivot, a1, outer), polar(pivot, a1, inner) } });
    }
    // A pale band along the top edge, as fans are often printed.
    painter.setPen(roundPen(QColor(170, 205, 255), 2.2));
    painter.setBrush(Qt::NoBrush);
    QPolygonF band;
    for (int i = 0; i <= pleats; ++i)
        band << polar(pivot, from + i * step, outer - 6);
    painter.drawPolyline(band);

    QPolygonF paper;
    for (int i = 0; i <= pleats; ++i)
        paper << polar(pivot, from + i * step, outer);
    for (int i = pleats; i >= 0; --i)
        paper << polar(pivot, from + i * step, inner);
    painter.setPen(roundPen(paperLine, 1.6));
    painter.drawPolygon(paper);

    const QColor rib(110, 70, 30);
    painter.setPen(roundPen(rib, 1.5));
    for (int i = 1; i < pleats; ++i)
        painter.drawLine(pivot, polar(pivot, from + i * step, inner));
    painter.setPen(roundPen(rib, 3));
    painter.drawLine(pivot, polar(pivot, from, outer + 1));
    painter.drawLine(pivot, polar(pivot, to, outer + 1));

    painter.setPen(roundPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(QColor(230, 230, 230));
    painter.drawEllipse(pivot, 3, 3);
}

// A yellow firework shell with its fuse cap at the upper right.
void drawSanjaku(QPainter &painter)
{
    const QPointF centre(44, 38);
    constexpr qreal radius = 23;

    // Cap and fuse first: the shell's outline then sits over their foot.
    painter.save();
    painter.translate(polar(centre, 45, radius));
    painter.rotate(-45);
    painter.setPen(roundPen(QColor(60, 40, 20), 1.4));
    painter.setBrush(QColor(150, 90, 40));
    painter.drawRoundedRect(QRectF(-3, -7, 10, 14), 2, 2);
    painter.setPen(roundPen(QColor(90, 60, 30), 2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath fuse;
    fuse.moveTo(7, 0);
    fuse.cubicTo(14, -8, 16, 8, 24, 2);
    painter.drawPath(fuse);
    painter.restore();

    drawShinyBall(painter, centre, radius, centre + QPointF(-8, -9),
        { { 0, QColor(255, 255, 215) }, { 0.45, QColor(255, 218, 30) },
            { 1, QColor(225, 150, 0) } },
        roundPen(QColor(125, 75, 0), 2));
}

// A white three-peaked mountain standing behind green foliage.
void drawOoyama(QPainter &painter)
{
    QPainterPath mountain = polyline({ QPointF(4, 55), QPointF(24, 17), QPointF(34, 27),
        QPointF(48, 5), QPointF(62, 25), QPointF(73, 14), QPointF(93, 55) });
    mountain.closeSubpath();
    painter.setPen(roundPen(QColor(50, 60, 85), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(mountain);

    // Shaded eastern faces give the white peaks depth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 208, 230));
    painter.drawPolygon(QPolygonF { { QPointF(24, 19), QPointF(33, 28), QPointF(29, 52) } });
    painter.drawPolygon(
        QPolygonF { { QPointF(48, 7), QPointF(61, 26), QPointF(56, 52), QPointF(51, 52) } });
    painter.drawPolygon(QPolygonF { { QPointF(73, 16), QPointF(91.5, 54), QPointF(79, 54) } });

    // Tree tops in front of the mountain's foot.
    QPainterPath foliage;
    foliage.addRoundedRect(QRectF(3, 54, 90, 10), 5, 5);
    QList<QPointF> crowns;
    for (int i = 0; i < 7; ++i)
        crowns << QPointF(12 + 12 * i, i % 2 ? 49 : 52);
    for (const QPointF &centre : crowns) {
        QPainterPath crown;
        crown.addEllipse(centre, 9, 8);
        foliage = foliage.united(crown);
    }
    fillWithVerticalGradient(painter, foliage, { 40, QColor(70, 180, 70) },
        { 64, QColor(20, 110, 40) }, roundPen(QColor(15, 80, 30), 1.6));
    // A leafy curl in each crown.
    painter.setPen(roundPen(QColor(25, 95, 35), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF &centre : crowns)
        painter.drawArc(QRectF(centre - QPointF(5, 3), QSizeF(10, 8)), 200 * 16, 140 * 16);
}

// Two pink cherries hanging from a green leaf.
void drawCherry(QPainter &painter)
{
    const QPointF joint(45, 13);
    const QPointF left(31, 48), right(58, 50);
    constexpr qreal radius = 12;

    painter.setPen(roundPen(QColor(90, 100, 30), 2.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath stems;
    stems.moveTo(joint);
    stems.quadTo(36, 22, left.x() + 2, left.y() - radius + 1);
    stems.moveTo(joint);
    stems.quadTo(54, 26, right.x(), right.y() - radius + 1);
    painter.drawPath(stems);

    for (const QPointF &centre : { left, right }) {
        drawShinyBall(painter, centre, radius, centre + QPointF(-4, -4),
            { { 0, QColor(255, 200, 228) }, { 0.5, QColor(245, 80, 155) },
                { 1, QColor(185, 25, 100) } },
            roundPen(QColor(120, 10, 60), 1.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre + QPointF(-4.5, -4.5), 2.2, 3);
    }

    QPainterPath leaf;
    leaf.moveTo(joint);
    leaf.cubicTo(52, 2, 72, 1, 84, 8);
    leaf.cubicTo(74, 19, 56, 21, joint.x(), joint.y());
    fillWithVerticalGradient(painter, leaf, { 3, QColor(90, 195, 70) }, { 20, QColor(30, 130, 40) },
        roundPen(QColor(20, 85, 25), 1.5));
    painter.setPen(roundPen(QColor(20, 85, 25), 1.1));
    painter.drawLine(joint + QPointF(2, 0), QPointF(80, 8.5));
}

} // namespace stripgen
