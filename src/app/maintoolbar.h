// MainToolBar: the main window's toolbar, docked at the top or bottom, or floating.
#pragma once

#include <QToolBar>

// Never asks for more width than its smallest form, so the window stays as wide as the
// board; buttons that do not fit go into the toolbar's extension menu.
class MainToolBar : public QToolBar {
public:
    explicit MainToolBar(QWidget* parent);
    QSize sizeHint() const override;
};
