// MainToolBar: the main window's toolbar, docked at the top or bottom, or floating.
#include "maintoolbar.h"

MainToolBar::MainToolBar(QWidget* parent)
    : QToolBar(QStringLiteral("Toolbar"), parent)
{
    setObjectName(QStringLiteral("MainToolBar"));
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
}

QSize MainToolBar::sizeHint() const
{
    const QSize full = QToolBar::sizeHint();
    if (isFloating() || orientation() != Qt::Horizontal)
        return full;
    return {minimumSizeHint().width(), full.height()};
}
