#include "tools/stripgen/artpaint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace stripgen {

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath roundStroke(qreal width, const QPainterPath &path)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path);
}

void fillWithVerticalGradient(QPainter &painter, const QPainterPath &path, const Shade &top,
    const Shade &bottom, const QPen &outline)
{
    QLinearGradient gradient(0, top.y, 0, bottom.y);
    gradient.setColorAt(0, top.colour);
    gradient.setColorAt(1, bottom.colour);
    painter.setPen(outline);
    painter.setBrush(gradient);
    painter.drawPath(path);
}

void drawShinyBall(QPainter &painter, QPointF centre, qreal radius, QPointF light,
    const QGradientStops &stops, const QPen &outline)
{
    QRadialGradient shine(centre, radius, light);
    shine.setStops(stops);
    painter.setPen(outline);
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace stripgen
