// Painting: motifs shared by the game's own pictures.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

void drawCloud(QPainter& p, QPointF at, double scale, QColor colour);
// A striped hot-air balloon whose envelope is centred at the point, 44 pixels wide.
void drawBalloon(QPainter& p, QPointF at);
// A house whose wall's top-left corner is at the point, 44 x 30 pixels.
void drawHouse(QPainter& p, QPointF at, QColor wall, QColor roof);
void drawTree(QPainter& p, QPointF at, double size, QColor leaves, QColor fruit);
