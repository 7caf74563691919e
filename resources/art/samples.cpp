// Samples: the pictures shipped in the picture folder, each with details all over it.
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
void fillGradient(QPainter& p, const QRectF& area, QColor top, QColor bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(area, gradient);
}

// A picture whose background runs from one colour at the top to another at the bottom.
template <typename Scene>
QImage paint(int width, int height, QColor top, QColor bottom, Scene scene)
{
    QImage image(width, height, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(image.rect()), top, bottom);
    scene(p);
    return image;
}

// A rolling hill line across the picture, filled below.
void drawHills(QPainter& p, int width, int height, double base, double swing, double phase,
               QColor colour)
{
    QPainterPath hill(QPointF(0, height));
    for (int x = 0; x <= width; x += 4)
        hill.lineTo(x, base - swing * std::sin(x / 70.0 + phase) - swing / 3 * std::sin(x / 23.0));
    hill.lineTo(width, height);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(hill);
}

void drawFish(QPainter& p, QPointF at, double size, QColor body, QColor stripe, bool left)
{
    p.save();
    p.translate(at);
    p.scale(left ? -size : size, size);
    p.setPen(QPen(body.darker(160), 0.8));
    p.setBrush(body);
    p.drawPolygon(QPolygonF({QPointF(-14, 0), QPointF(-24, -8), QPointF(-24, 8)}));
    p.drawEllipse(QPointF(0, 0), 16, 9);
    p.setPen(QPen(stripe, 3));
    p.drawLine(QPointF(-4, -8), QPointF(-4, 8));
    p.drawLine(QPointF(4, -8), QPointF(4, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9, -2), 3, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(10, -2), 1.5, 1.5);
    p.restore();
}

void drawCoral(QPainter& p, QPointF root, double height, QColor colour, int depth)
{
    if (depth == 0)
        return;
    const QPointF tip = root + QPointF(0, -height);
    p.setPen(QPen(colour, depth * 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root, tip);
    for (double lean : {-0.6, 0.5}) {
        p.save();
        p.translate(tip);
        p.rotate(lean * 50);
        drawCoral(p, QPointF(0, 0), height * 0.7, colour.lighter(110), depth - 1);
        p.restore();
    }
}

void drawFlower(QPainter& p, QPointF at, double radius, QColor petals, int count)
{
    p.setPen(QPen(petals.darker(140), 1));
    p.setBrush(petals);
    for (int k = 0; k < count; ++k) {
        p.save();
        p.translate(at);
        p.rotate(360.0 * k / count);
        p.drawEllipse(QPointF(radius * 0.9, 0), radius * 0.75, radius * 0.35);
        p.restore();
    }
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(at, radius * 0.35, radius * 0.35);
}
} // namespace

QImage paintBalloons()
{
    return paint(480, 360, QColor(90, 170, 240), QColor(210, 235, 255), [](QPainter& p) {
        drawCloud(p, {60, 60}, 1.4, QColor(255, 255, 255, 230));
        drawCloud(p, {300, 40}, 1.1, QColor(255, 255, 255, 210));
        drawCloud(p, {380, 150}, 0.9, QColor(250, 250, 255, 200));
        drawHills(p, 480, 360, 270, 30, 0.0, QColor(110, 180, 80));
        drawHills(p, 480, 360, 310, 22, 2.0, QColor(70, 150, 60));
        const QPointF balloons[] = {{90, 140}, {200, 90},  {330, 120},
                                    {420, 70}, {260, 210}, {150, 230}};
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(balloons[i]);
            p.scale(0.7 + (i % 3) * 0.3, 0.7 + (i % 3) * 0.3);
            p.rotate((i - 3) * 4);
            drawBalloon(p, {0, 0});
            p.restore();
        }
        drawHouse(p, {40, 300}, QColor(240, 230, 200), QColor(180, 60, 50));
        drawTree(p, {400, 320}, 1.2, QColor(40, 120, 50), QColor(230, 50, 50));
        drawTree(p, {120, 330}, 0.9, QColor(50, 140, 60), QColor(250, 200, 40));
    });
}

QImage paintCoralReef()
{
    return paint(640, 480, QColor(40, 170, 210), QColor(10, 40, 100), [](QPainter& p) {
        // Sun rays from the surface.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(QColor(255, 255, 255, 25));
            const double x = 60 + i * 110;
            p.drawPolygon(
                QPolygonF({QPointF(x, 0), QPointF(x + 40, 0), QPointF(x - 60 + i * 15, 480),
                           QPointF(x - 120 + i * 15, 480)}));
        }
        fillGradient(p, QRectF(0, 420, 640, 60), QColor(230, 200, 140), QColor(190, 150, 90));
        const QColor corals[] = {QColor(250, 110, 120), QColor(250, 170, 60), QColor(180, 90, 220),
                                 QColor(240, 80, 160), QColor(255, 220, 90)};
        for (int i = 0; i < 9; ++i)
            drawCoral(p, {30.0 + i * 72, 440}, 34 + (i % 3) * 10, corals[i % 5], 4);
        p.setPen(QPen(QColor(40, 160, 80), 5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 7; ++i) {
            QPainterPath weed(QPointF(70 + i * 90, 470));
            weed.cubicTo(QPointF(50 + i * 90, 420), QPointF(95 + i * 90, 400),
                         QPointF(75 + i * 90, 350));
            p.drawPath(weed);
        }
        const QColor bodies[] = {QColor(255, 140, 0), QColor(250, 230, 40),  QColor(60, 120, 250),
                                 QColor(240, 60, 90), QColor(120, 230, 200), QColor(200, 120, 255)};
        for (int i = 0; i < 12; ++i) {
            const QPointF at(40 + (i * 211) % 580, 50 + (i * 97) % 300);
            drawFish(p, at, 0.8 + (i % 4) * 0.25, bodies[i % 6], i % 2 ? Qt::white : Qt::black,
                     i % 3 == 0);
        }
        p.setPen(QPen(QColor(220, 245, 255, 180), 1.5));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 30; ++i)
            p.drawEllipse(QPointF(20 + (i * 149) % 620, 20 + (i * 83) % 400), 2 + i % 5, 2 + i % 5);
    });
}

QImage paintPatchwork()
{
    return paint(400, 400, Qt::white, Qt::white, [](QPainter& p) {
        const QColor colours[] = {
            QColor(230, 57, 70),  QColor(241, 250, 238), QColor(168, 218, 220),
            QColor(69, 123, 157), QColor(29, 53, 87),    QColor(255, 183, 3),
            QColor(251, 133, 0),  QColor(42, 157, 143),  QColor(142, 202, 230)};
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 8; ++col) {
                const QRect cell(col * 50, row * 50, 50, 50);
                const int k = row * 8 + col;
                p.fillRect(cell, colours[k % 9]);
                p.setPen(Qt::NoPen);
                p.setBrush(colours[(k * 5 + 3) % 9]);
                switch ((row + col * 3) % 4) {
                case 0:
                    p.drawEllipse(cell.center(), 10 + k % 12, 10 + k % 12);
                    break;
                case 1:
                    p.drawPolygon(QPolygon({cell.topLeft(), cell.topRight(), cell.bottomLeft()}));
                    break;
                case 2:
                    for (int s = 0; s < 5; s += 2)
                        p.drawRect(cell.x(), cell.y() + s * 10, 50, 10);
                    break;
                default:
                    p.drawRect(cell.adjusted(12, 12, -12, -12));
                    p.setBrush(colours[(k + 4) % 9]);
                    p.drawRect(cell.adjusted(20, 20, -20, -20));
                    break;
                }
            }
        }
        p.setPen(QPen(QColor(60, 40, 30), 2, Qt::DashLine));
        for (int i = 0; i <= 8; ++i) {
            p.drawLine(i * 50, 0, i * 50, 400);
            p.drawLine(0, i * 50, 400, i * 50);
        }
    });
}

QImage paintNightCity()
{
    return paint(600, 400, QColor(10, 10, 50), QColor(70, 40, 110), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor(255, 255, 230, 100 + (i * 41) % 155));
            p.drawEllipse(QPointF((i * 173) % 600, (i * 67) % 200), 1.2, 1.2);
        }
        QRadialGradient glow(QPointF(480, 80), 60);
        glow.setColorAt(0, QColor(255, 250, 220));
        glow.setColorAt(0.5, QColor(255, 250, 220));
        glow.setColorAt(1, QColor(255, 250, 220, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(480, 80), 60, 60);
        for (int b = 0; b < 14; ++b) {
            const int width = 30 + (b * 37) % 30;
            const int x = b * 44 - 10;
            const int top = 150 + (b * 71) % 140;
            const QColor wall = QColor(30 + (b * 13) % 40, 30 + (b * 7) % 30, 60 + (b * 17) % 50);
            p.setBrush(wall);
            p.drawRect(x, top, width, 400 - top);
            for (int wy = top + 8; wy < 390; wy += 14)
                for (int wx = x + 5; wx < x + width - 6; wx += 10) {
                    const bool lit = ((wx * 7 + wy * 13 + b) % 5) < 3;
                    p.fillRect(wx, wy, 5, 7,
                               lit ? QColor(255, 210 - (b * 9) % 60, 90) : wall.darker(150));
                }
        }
        fillGradient(p, QRectF(0, 380, 600, 20), QColor(40, 40, 60), QColor(20, 20, 30));
    });
}

QImage paintGarden()
{
    return paint(400, 400, QColor(150, 220, 120), QColor(40, 110, 50), [](QPainter& p) {
        const QColor petals[] = {QColor(240, 70, 90),   QColor(255, 210, 60), QColor(180, 100, 240),
                                 QColor(255, 255, 255), QColor(255, 140, 40), QColor(90, 160, 250)};
        for (int i = 0; i < 26; ++i) {
            const QPointF at(20 + (i * 139) % 370, 20 + (i * 211 + i * i * 7) % 370);
            p.setPen(QPen(QColor(40, 100, 40), 3));
            p.drawLine(at, at + QPointF(4, 40));
            drawFlower(p, at, 14 + (i % 4) * 5, petals[i % 6], 5 + i % 4);
        }
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(60 + i * 95, 80 + (i * 130) % 260);
            p.rotate(i * 25 - 30);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(petals[(i + 2) % 6]);
            p.drawEllipse(QPointF(-9, -5), 9, 7);
            p.drawEllipse(QPointF(9, -5), 9, 7);
            p.drawEllipse(QPointF(-6, 6), 6, 5);
            p.drawEllipse(QPointF(6, 6), 6, 5);
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(0, 0), 2, 9);
            p.restore();
        }
    });
}

QImage paintRainbow()
{
    return paint(480, 320, QColor(120, 180, 240), QColor(230, 240, 250), [](QPainter& p) {
        const QColor bands[] = {QColor(230, 40, 40), QColor(250, 140, 30), QColor(250, 220, 40),
                                QColor(60, 180, 70), QColor(40, 120, 230), QColor(90, 60, 180),
                                QColor(150, 70, 200)};
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 7; ++i) {
            p.setPen(QPen(bands[i], 10));
            const double r = 200 - i * 10;
            p.drawArc(QRectF(240 - r, 260 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
        drawCloud(p, {60, 230}, 1.5, Qt::white);
        drawCloud(p, {380, 220}, 1.3, Qt::white);
        drawHills(p, 480, 320, 250, 20, 1.0, QColor(90, 170, 70));
        drawHills(p, 480, 320, 290, 14, 3.0, QColor(50, 130, 60));
        drawTree(p, {240, 280}, 1.0, QColor(30, 110, 40), QColor(240, 60, 60));
        drawHouse(p, {330, 270}, QColor(250, 240, 220), QColor(60, 100, 170));
    });
}
