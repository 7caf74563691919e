// Built-in picture: a lakeside village under a sunset sky, 350 x 351 pixels. Every 35 x 35
// tile of a 10 x 10 cut holds something of its own, so each can be placed.
#include "painting.h"
#include "pictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
constexpr int Width = 350;
constexpr int Height = 351;
constexpr int Horizon = 168;
constexpr int Shore = 236;

void drawSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0.0, QColor(28, 40, 110));
    sky.setColorAt(0.45, QColor(96, 84, 170));
    sky.setColorAt(0.8, QColor(236, 120, 110));
    sky.setColorAt(1.0, QColor(255, 196, 120));
    p.fillRect(0, 0, Width, Horizon, sky);
    // A sideways tint, so that tiles of the same height still differ.
    QLinearGradient tint(0, 0, Width, 0);
    tint.setColorAt(0.0, QColor(255, 80, 160, 60));
    tint.setColorAt(1.0, QColor(40, 200, 255, 50));
    p.fillRect(0, 0, Width, Horizon, tint);
    // Stars in the dark top left.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const int x = (i * 97) % 200;
        const int y = (i * 53) % 60;
        p.setBrush(QColor(255, 255, 220, 120 + (i * 37) % 135));
        p.drawEllipse(QPointF(x + 3, y + 3), 1.0 + (i % 3) * 0.5, 1.0 + (i % 3) * 0.5);
    }
}

void drawSun(QPainter& p)
{
    const QPointF centre(272, 118);
    QRadialGradient glow(centre, 70);
    glow.setColorAt(0.0, QColor(255, 240, 150, 220));
    glow.setColorAt(1.0, QColor(255, 180, 80, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 70, 70);
    p.setPen(QPen(QColor(255, 230, 120), 3));
    for (int ray = 0; ray < 16; ++ray) {
        const double a = ray * M_PI / 8;
        p.drawLine(centre + QPointF(std::cos(a) * 30, std::sin(a) * 30),
                   centre + QPointF(std::cos(a) * (44 + (ray % 2) * 10),
                                    std::sin(a) * (44 + (ray % 2) * 10)));
    }
    p.setPen(QPen(QColor(230, 120, 40), 2));
    p.setBrush(QColor(255, 214, 70));
    p.drawEllipse(centre, 24, 24);
}

void drawMoon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 220));
    p.drawEllipse(QPointF(318, 26), 14, 14);
    p.setBrush(QColor(60, 70, 150));
    p.drawEllipse(QPointF(325, 21), 12, 12);
}

void drawBirds(QPainter& p)
{
    p.setPen(QPen(QColor(30, 20, 40), 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF birds[] = {{150, 40}, {172, 52}, {196, 34}, {210, 70}, {120, 95}, {40, 120}};
    for (QPointF b : birds) {
        QPainterPath wing(b + QPointF(-7, -3));
        wing.quadTo(b + QPointF(-3, -6), b);
        wing.quadTo(b + QPointF(3, -6), b + QPointF(7, -3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wing);
    }
}

void drawMountains(QPainter& p)
{
    const struct {
        QColor colour;
        double base;
        double height;
        double phase;
    } ranges[] = {{QColor(120, 90, 150), Horizon, 70, 0.0},
                  {QColor(80, 70, 120), Horizon, 48, 1.7}};
    for (const auto& range : ranges) {
        QPainterPath ridge(QPointF(0, range.base));
        for (int x = 0; x <= Width; x += 5) {
            const double y =
                range.base - range.height * (0.55 + 0.3 * std::sin(x / 31.0 + range.phase) +
                                             0.15 * std::sin(x / 11.0 + range.phase * 2));
            ridge.lineTo(x, y);
        }
        ridge.lineTo(Width, range.base);
        p.setPen(Qt::NoPen);
        p.setBrush(range.colour);
        p.drawPath(ridge);
        // Snow above the snow line follows the ridge exactly.
        p.save();
        p.setClipRect(QRectF(0, 0, Width, Horizon - 54));
        p.setBrush(QColor(245, 245, 255));
        p.drawPath(ridge);
        p.restore();
    }
}

void drawLake(QPainter& p)
{
    QLinearGradient water(0, Horizon, 0, Shore);
    water.setColorAt(0.0, QColor(250, 170, 110));
    water.setColorAt(0.3, QColor(90, 120, 190));
    water.setColorAt(1.0, QColor(20, 60, 120));
    p.fillRect(0, Horizon, Width, Shore - Horizon, water);
    // The sun's reflection and ripples of varying length.
    p.setPen(QPen(QColor(255, 220, 130, 200), 2));
    for (int i = 0; i < 9; ++i) {
        const int y = Horizon + 6 + i * 7;
        const int half = 26 - i * 2;
        p.drawLine(272 - half, y, 272 + half, y);
    }
    p.setPen(QPen(QColor(200, 220, 255, 140), 1));
    for (int i = 0; i < 24; ++i) {
        const int x = (i * 71) % 230;
        const int y = Horizon + 10 + (i * 29) % 56;
        p.drawLine(x, y, x + 8 + i % 9, y);
    }
}

void drawSailboat(QPainter& p, QPointF at, QColor sail)
{
    p.setPen(QPen(QColor(50, 30, 20), 1));
    p.setBrush(QColor(120, 60, 30));
    p.drawPolygon(QPolygonF(
        {at + QPointF(-20, 0), at + QPointF(20, 0), at + QPointF(13, 8), at + QPointF(-13, 8)}));
    p.drawLine(at + QPointF(0, 0), at + QPointF(0, -36));
    p.setBrush(sail);
    p.drawPolygon(QPolygonF({at + QPointF(2, -34), at + QPointF(2, -3), at + QPointF(20, -3)}));
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(QPolygonF({at + QPointF(-2, -30), at + QPointF(-2, -3), at + QPointF(-16, -3)}));
    p.setBrush(QColor(230, 40, 40));
    p.drawPolygon(QPolygonF({at + QPointF(0, -36), at + QPointF(9, -33), at + QPointF(0, -30)}));
}

void drawMeadow(QPainter& p)
{
    QLinearGradient grass(0, Shore, Width, Height);
    grass.setColorAt(0.0, QColor(120, 190, 70));
    grass.setColorAt(0.5, QColor(70, 150, 50));
    grass.setColorAt(1.0, QColor(40, 110, 60));
    QPainterPath bank(QPointF(0, Shore));
    for (int x = 0; x <= Width; x += 10)
        bank.lineTo(x, Shore - 4 + 4 * std::sin(x / 23.0));
    bank.lineTo(Width, Height);
    bank.lineTo(0, Height);
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPath(bank);
    // A sandy path winding down to the water.
    QPainterPath path(QPointF(150, Height));
    path.cubicTo(QPointF(190, 320), QPointF(120, 280), QPointF(170, Shore));
    p.setPen(QPen(QColor(220, 190, 130), 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawWindmill(QPainter& p, QPointF at)
{
    p.setPen(QPen(QColor(70, 50, 40), 1));
    p.setBrush(QColor(235, 225, 200));
    p.drawPolygon(QPolygonF(
        {at + QPointF(-10, 0), at + QPointF(10, 0), at + QPointF(6, -44), at + QPointF(-6, -44)}));
    p.setBrush(QColor(170, 50, 40));
    p.drawPolygon(QPolygonF({at + QPointF(-8, -44), at + QPointF(8, -44), at + QPointF(0, -54)}));
    const QPointF hub = at + QPointF(0, -44);
    p.setBrush(QColor(250, 250, 240));
    for (int blade = 0; blade < 4; ++blade) {
        p.save();
        p.translate(hub);
        p.rotate(20 + blade * 90);
        p.drawRect(QRectF(2, -4, 30, 8));
        p.restore();
    }
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(hub, 3, 3);
}

void drawFence(QPainter& p)
{
    p.setPen(QPen(QColor(240, 235, 220), 2));
    p.drawLine(0, 300, 110, 292);
    p.drawLine(0, 310, 110, 302);
    for (int x = 4; x < 110; x += 12)
        p.drawLine(x, 296 - x / 14, x, 316 - x / 14);
}

void drawFlowers(QPainter& p)
{
    const QColor petals[] = {QColor(250, 60, 90),  QColor(255, 220, 40), QColor(250, 250, 250),
                             QColor(170, 90, 230), QColor(255, 140, 30), QColor(60, 160, 250)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double x = 6 + (i * 137) % 340;
        const double y = 262 + (i * 61) % 84;
        // Keep the path and the house fronts clear.
        if (std::abs(x - 160) < 16 && y > 280)
            continue;
        const QColor colour = petals[(i * 7) % 6];
        const double r = 2.0 + (i % 4) * 0.7;
        p.setBrush(colour);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5 + i;
            p.drawEllipse(QPointF(x + std::cos(a) * r, y + std::sin(a) * r), r * 0.8, r * 0.8);
        }
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QPointF(x, y), r * 0.6, r * 0.6);
    }
}

void drawButterfly(QPainter& p, QPointF at, QColor wings)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(wings);
    p.drawEllipse(at + QPointF(-5, -3), 5, 4);
    p.drawEllipse(at + QPointF(5, -3), 5, 4);
    p.drawEllipse(at + QPointF(-4, 3), 3.5, 3);
    p.drawEllipse(at + QPointF(4, 3), 3.5, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(at, 1.2, 5);
}

void drawFrame(QPainter& p)
{
    // A thin border in four colours marks the picture's edges for the player.
    p.fillRect(0, 0, Width, 3, QColor(230, 60, 60));
    p.fillRect(Width - 3, 0, 3, Height, QColor(240, 200, 40));
    p.fillRect(0, Height - 3, Width, 3, QColor(60, 170, 90));
    p.fillRect(0, 0, 3, Height, QColor(50, 130, 230));
}
} // namespace

QImage paintBuiltin(int scale)
{
    QImage image(Width * scale, Height * scale, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    drawSky(p);
    drawMoon(p);
    drawSun(p);
    drawCloud(p, {40, 50}, 1.0, QColor(255, 230, 240, 220));
    drawCloud(p, {200, 20}, 0.8, QColor(230, 220, 255, 200));
    drawCloud(p, {290, 150}, 0.6, QColor(255, 210, 180, 200));
    drawBirds(p);
    drawMountains(p);
    drawBalloon(p, {100, 70});
    drawBalloon(p, {318, 76});
    drawLake(p);
    drawSailboat(p, {70, 214}, QColor(230, 80, 60));
    drawSailboat(p, {205, 200}, QColor(60, 120, 220));
    drawMeadow(p);
    drawWindmill(p, {320, 268});
    drawHouse(p, {30, 262}, QColor(230, 200, 160), QColor(190, 50, 40));
    drawHouse(p, {226, 256}, QColor(200, 220, 240), QColor(60, 90, 160));
    drawTree(p, {110, 262}, 1.0, QColor(40, 120, 50), QColor(230, 40, 40));
    drawTree(p, {290, 300}, 1.2, QColor(60, 140, 40), QColor(255, 160, 20));
    drawTree(p, {10, 250}, 0.8, QColor(30, 100, 60), QColor(250, 240, 90));
    drawFence(p);
    drawFlowers(p);
    drawButterfly(p, {210, 320}, QColor(250, 150, 30));
    drawButterfly(p, {80, 335}, QColor(90, 170, 250));
    drawFrame(p);
    p.end();
    return image;
}

QImage paintAbout(int scale)
{
    // The built-in picture as a 3 x 3 puzzle, with its last tile lifted out of place.
    const int W = 197 * scale;
    const int H = 198 * scale;
    const QImage scene =
        paintBuiltin(scale).scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(W, H, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, scene);
    const QRect last(2 * W / 3, 2 * H / 3, W - 2 * W / 3, H - 2 * H / 3);
    p.fillRect(last, QColor(200, 200, 205));
    p.setPen(QPen(QColor(255, 255, 255), 2 * scale));
    for (int k = 1; k < 3; ++k) {
        p.drawLine(k * W / 3, 0, k * W / 3, H);
        p.drawLine(0, k * H / 3, W, k * H / 3);
    }
    p.save();
    p.translate(last.center() + QPoint(-12, -14) * scale);
    p.rotate(-12);
    p.setPen(QPen(QColor(60, 60, 70), scale));
    const QRect lifted(-last.width() / 2, -last.height() / 2, last.width(), last.height());
    p.fillRect(lifted.translated(4 * scale, 4 * scale), QColor(0, 0, 0, 70));
    p.drawImage(lifted, scene, last);
    p.drawRect(lifted);
    p.restore();
    p.end();
    return image;
}
