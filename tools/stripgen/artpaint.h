// Pens, paths and fills the symbol artwork keeps coming back to.
#pragma once

#include <QColor>
#include <QGradient>
#include <QPainterPath>
#include <QPen>

#include <initializer_list>

class QPainter;

namespace stripgen {

// A solid pen with round caps and joins, so strokes read as brush work.
QPen roundPen(const QColor &colour, qreal width);

// An open path from the first point straight through the others in turn.
QPainterPath polyline(std::initializer_list<QPointF> points);

// The area `path` covers when drawn `width` wide with round caps, as a shape
// to fill and outline like any other.
QPainterPath roundStroke(qreal width, const QPainterPath &path);

// One end of a top-to-bottom gradient: its colour and the height it sits at.
struct Shade {
    qreal y;
    QColor colour;
};

// Draws `path` filled with a gradient running straight down from `top` to
// `bottom` and outlined with `outline`; the painter keeps that pen and brush.
void fillWithVerticalGradient(QPainter &painter, const QPainterPath &path, const Shade &top,
    const Shade &bottom, const QPen &outline);

// Draws a ball of `radius` round `centre`, lit from `light`: a radial
// gradient through `stops` from the light out to the rim, outlined with
// `outline`; the painter keeps that pen and brush.
void drawShinyBall(QPainter &painter, QPointF centre, qreal radius, QPointF light,
    const QGradientStops &stops, const QPen &outline);

} // namespace stripgen
