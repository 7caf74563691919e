// Painting: motifs shared by the game's own pictures.
#include "painting.h"

#include <QPainterPath>

void drawCloud(QPainter& p, QPointF at, double scale, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF puffs[] = {{0, 0}, {14, -8}, {30, -4}, {42, 2}, {20, 6}, {6, 6}};
    const double radii[] = {10, 13, 12, 9, 11, 9};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(at + puffs[i] * scale, radii[i] * scale, radii[i] * scale * 0.8);
}

void drawBalloon(QPainter& p, QPointF at)
{
    const QColor stripes[] = {QColor(220, 40, 40), QColor(250, 210, 40), QColor(40, 150, 220),
                              QColor(60, 180, 80), QColor(160, 60, 200)};
    const QRectF bounds(at.x() - 22, at.y() - 26, 44, 50);
    QPainterPath envelope;
    envelope.addEllipse(bounds);
    p.save();
    p.setClipPath(envelope);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(bounds.x() + i * 8.8, bounds.y(), 8.8, bounds.height()), stripes[i]);
    p.restore();
    p.setPen(QPen(QColor(60, 30, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(envelope);
    p.drawLine(at + QPointF(-14, 18), at + QPointF(-6, 34));
    p.drawLine(at + QPointF(14, 18), at + QPointF(6, 34));
    p.setBrush(QColor(140, 90, 40));
    p.drawRect(QRectF(at.x() - 7, at.y() + 33, 14, 10));
}

void drawHouse(QPainter& p, QPointF at, QColor wall, QColor roof)
{
    p.setPen(QPen(QColor(60, 40, 30), 1));
    p.setBrush(wall);
    p.drawRect(QRectF(at.x(), at.y(), 44, 30));
    p.setBrush(roof);
    p.drawPolygon(QPolygonF({at + QPointF(-5, 0), at + QPointF(22, -20), at + QPointF(49, 0)}));
    p.setBrush(QColor(110, 60, 30));
    p.drawRect(QRectF(at.x() + 18, at.y() + 12, 9, 18));
    p.setBrush(QColor(255, 230, 120));
    p.drawRect(QRectF(at.x() + 5, at.y() + 7, 9, 8));
    p.drawRect(QRectF(at.x() + 31, at.y() + 7, 9, 8));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(at.x() + 32, at.y() - 18, 6, 10));
}

void drawTree(QPainter& p, QPointF at, double size, QColor leaves, QColor fruit)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 60, 30));
    p.drawRect(QRectF(at.x() - 3 * size, at.y() - 4, 6 * size, 26 * size));
    p.setBrush(leaves);
    p.drawEllipse(at + QPointF(0, -12 * size), 18 * size, 16 * size);
    p.drawEllipse(at + QPointF(-11 * size, -2 * size), 11 * size, 10 * size);
    p.drawEllipse(at + QPointF(11 * size, -2 * size), 11 * size, 10 * size);
    p.setBrush(fruit);
    for (QPointF f :
         {QPointF(-8, -14), QPointF(6, -18), QPointF(10, -5), QPointF(-12, -1), QPointF(0, -6)})
        p.drawEllipse(at + f * size, 2.5 * size, 2.5 * size);
}
