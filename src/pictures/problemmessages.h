// Problem messages: tells the player, one message box each, why a picture did not show.
#pragma once

#include <QStringList>

struct PictureLoad;
class QWidget;

// Shows each problem in a plain message box with an OK button, in order.
void reportProblems(QWidget* parent, const QStringList& problems);

// Why a picture is not shown, in one sentence a player understands.
QString whyNotShown(const PictureLoad& load);
// Tells the player that the picture they chose, by this name, is not shown, and why: the
// built-in picture is shown in its place.
void reportUnshownPicture(QWidget* parent, const QString& name, const PictureLoad& load);
