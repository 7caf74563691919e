// Toolbar strips: eight 32 x 32 button images side by side, for light and for dark faces.
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {
constexpr int Side = 32;
const QRgb Transparent = qRgb(192, 192, 192); // the colour the game masks out

struct Ink {
    QColor line;  // outlines
    QColor face;  // the button face the strip is meant for; soft edges blend into it
    QColor paper; // light fills: picture mounts, the eye's white
};

void drawNew(QPainter& p, const Ink& ink)
{
    p.setPen(QPen(ink.line, 1.5));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(3, 8, 22, 19));
    p.fillRect(QRectF(5, 10, 18, 10), QColor(110, 180, 240));
    p.setBrush(QColor(80, 170, 70));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF(
        {QPointF(5, 25), QPointF(12, 16), QPointF(18, 22), QPointF(23, 18), QPointF(23, 25)}));
    // A star: something new.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 8 : 3.2;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(24 + r * std::cos(a), 9 + r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(200, 120, 0), 1));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(star);
}

void drawOpen(QPainter& p, const Ink& ink)
{
    p.setPen(QPen(ink.line, 1.5));
    p.setBrush(QColor(220, 170, 70));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(15, 11), QPointF(27, 11),
                             QPointF(27, 26), QPointF(3, 26)}));
    p.setBrush(QColor(250, 210, 110));
    p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(26, 26), QPointF(3, 26)}));
}

void drawJumble(QPainter& p, const Ink&)
{
    p.setBrush(Qt::NoBrush);
    const auto arrow = [&](QColor colour, QPointF from, QPointF c1, QPointF c2, QPointF to) {
        QPainterPath path(from);
        path.cubicTo(c1, c2, to);
        p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({to + QPointF(4, 0), to + QPointF(-3, -5), to + QPointF(-3, 5)}));
        p.setBrush(Qt::NoBrush);
    };
    arrow(QColor(40, 130, 230), {3, 9}, {14, 9}, {14, 23}, {25, 23});
    arrow(QColor(230, 70, 60), {3, 23}, {14, 23}, {14, 9}, {25, 9});
}

void drawSolution(QPainter& p, const Ink& ink)
{
    QPainterPath eye(QPointF(2, 16));
    eye.quadTo(QPointF(16, 3), QPointF(30, 16));
    eye.quadTo(QPointF(16, 29), QPointF(2, 16));
    p.setPen(QPen(ink.line, 1.5));
    p.setBrush(ink.paper);
    p.drawPath(eye);
    p.setBrush(QColor(60, 140, 210));
    p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(16, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18, 14), 1.3, 1.3);
}

void drawSolve(QPainter& p, const Ink& ink)
{
    p.setPen(QPen(ink.line, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 28), QPointF(20, 13));
    p.setPen(QPen(QColor(250, 250, 250), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 15), QPointF(20, 13));
    p.setPen(QPen(QColor(255, 200, 30), 2, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& ray : {QLineF(23, 3, 23, 8), QLineF(23, 14, 23, 19), QLineF(15, 11, 18, 11),
                              QLineF(28, 11, 31, 11), QLineF(18, 5, 20, 7), QLineF(28, 5, 26, 7)})
        p.drawLine(ray);
}

void drawDifficulty(QPainter& p, const Ink& ink)
{
    const QColor tiles[] = {QColor(230, 80, 70),  QColor(250, 190, 40), QColor(80, 170, 80),
                            QColor(60, 140, 220), QColor(160, 90, 200), QColor(240, 130, 40),
                            QColor(50, 170, 170), QColor(220, 90, 150)};
    p.setPen(QPen(ink.line, 1));
    for (int i = 0; i < 8; ++i) {
        p.setBrush(tiles[i]);
        p.drawRect(QRectF(3 + (i % 3) * 9, 3 + (i / 3) * 9, 8, 8));
    }
}

void drawGrid(QPainter& p, const Ink& ink)
{
    p.setPen(QPen(ink.line, 2));
    for (int k = 0; k < 4; ++k) {
        p.drawLine(QPointF(4 + k * 8, 4), QPointF(4 + k * 8, 28));
        p.drawLine(QPointF(4, 4 + k * 8), QPointF(28, 4 + k * 8));
    }
}

// Paints one image on a clear square, then settles every pixel: clear ones become the
// masked colour, soft edges blend into the face colour the strip is made for.
QImage paintImage(const std::function<void(QPainter&, const Ink&)>& draw, const Ink& ink, int scale)
{
    const int side = Side * scale;
    QImage soft(side, side, QImage::Format_ARGB32);
    soft.fill(Qt::transparent);
    QPainter p(&soft);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p, ink);
    p.end();
    QImage settled(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb c = soft.pixel(x, y);
            const int a = qAlpha(c);
            const auto mix = [&](int over, int under) {
                return (over * a + under * (255 - a)) / 255;
            };
            settled.setPixel(x, y,
                             a < 40 ? Transparent
                                    : qRgb(mix(qRed(c), ink.face.red()),
                                           mix(qGreen(c), ink.face.green()),
                                           mix(qBlue(c), ink.face.blue())));
        }
    }
    return settled;
}
} // namespace

QImage paintToolbarStrip(bool darkFaces, int scale)
{
    const Ink ink = darkFaces
                        ? Ink{QColor(230, 230, 235), QColor(53, 53, 53), QColor(245, 245, 240)}
                        : Ink{QColor(40, 40, 50), QColor(239, 239, 239), QColor(255, 255, 250)};
    const std::function<void(QPainter&, const Ink&)> images[] = {
        drawNew, drawOpen, drawJumble, drawSolution, drawSolve, drawDifficulty, drawGrid};
    QImage strip(8 * Side * scale, Side * scale, QImage::Format_RGB32);
    strip.fill(Transparent);
    QPainter p(&strip);
    for (int i = 0; i < 7; ++i)
        p.drawImage(i * Side * scale, 0, paintImage(images[i], ink, scale));
    return strip;
}
