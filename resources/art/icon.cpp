// Icon: the game's desktop icon, a tiled landscape with one tile out of place.
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
// The landscape on a unit square, so each tile can show its own part of it.
void drawLandscape(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 0.62);
    sky.setColorAt(0, QColor(70, 150, 235));
    sky.setColorAt(1, QColor(170, 215, 250));
    p.fillRect(QRectF(0, 0, 1, 0.62), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 40));
    p.drawEllipse(QPointF(0.72, 0.26), 0.16, 0.16);
    QPainterPath hills(QPointF(0, 0.62));
    hills.cubicTo(QPointF(0.25, 0.42), QPointF(0.45, 0.5), QPointF(0.6, 0.6));
    hills.cubicTo(QPointF(0.75, 0.5), QPointF(0.9, 0.48), QPointF(1, 0.56));
    hills.lineTo(1, 1);
    hills.lineTo(0, 1);
    p.setBrush(QColor(70, 165, 70));
    p.drawPath(hills);
    p.setBrush(QColor(40, 120, 50));
    p.drawRect(QRectF(0, 0.82, 1, 0.18));
}
} // namespace

QImage paintIcon(int side)
{
    // Small icons get fewer tiles and whole-pixel edges, so each tile stays a tile.
    const int tiles = side < 32 ? 2 : 3;
    const int margin = std::max(1, side / 16);
    const int gap = std::max(1, side / 40);
    const int cell = (side - 2 * margin - (tiles + 1) * gap) / tiles;
    const int board = tiles * cell + (tiles + 1) * gap;
    const int origin = (side - board) / 2;

    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = side < 32 ? side / 10.0 : side / 12.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 48, 80));
    p.drawRoundedRect(QRect(origin, origin, board, board), radius, radius);

    QImage scene(tiles * cell, tiles * cell, QImage::Format_RGB32);
    QPainter sceneP(&scene);
    sceneP.setRenderHint(QPainter::Antialiasing);
    sceneP.scale(scene.width(), scene.height());
    drawLandscape(sceneP);
    sceneP.end();

    // Every tile in place but the last, which is lifted towards the top left of its cell.
    const int last = tiles * tiles - 1;
    for (int k = 0; k < last; ++k) {
        const int row = k / tiles;
        const int col = k % tiles;
        const QRect source(col * cell, row * cell, cell, cell);
        p.drawImage(QPoint(origin + gap + col * (cell + gap), origin + gap + row * (cell + gap)),
                    scene, source);
    }
    const QRect home(origin + gap + (tiles - 1) * (cell + gap),
                     origin + gap + (tiles - 1) * (cell + gap), cell, cell);
    const int lift = std::max(1, cell / 6);
    const QRect lifted = home.translated(-lift, -lift);
    p.fillRect(home, QColor(20, 24, 40));
    p.drawImage(lifted.topLeft(), scene, QRect((tiles - 1) * cell, (tiles - 1) * cell, cell, cell));
    p.setPen(QPen(QColor(255, 255, 255), std::max(1, side / 64)));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(lifted.adjusted(0, 0, -1, -1));
    p.end();
    return icon;
}
