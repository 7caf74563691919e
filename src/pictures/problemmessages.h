// Problem messages: tells the player, one message box each, why a picture did not show.
#pragma once

#include <QStringList>

class QWidget;

// Shows each problem in a plain message box with an OK button, in order.
void reportProblems(QWidget* parent, const QStringList& problems);
