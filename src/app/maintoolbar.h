// MainToolBar: the main window's seven buttons, docked at the top or bottom, or floating.
#pragma once

#include "commandtable.h"

#include <QCoreApplication>
#include <QToolBar>
#include <functional>

class QToolButton;

// Buttons run the commands of the frame's table. The New button becomes a drop-down while
// the picture comes from an archive; Puzzle difficulty always is one. Button images come
// from the strip that suits the palette's button face, and follow a change of palette.
class MainToolBar : public QToolBar {
    Q_DECLARE_TR_FUNCTIONS(MainToolBar)

public:
    using ActionFor = std::function<QAction*(CommandId)>;
    using Execute = std::function<void(CommandId)>;

    // actionFor gives the frame's action for a command, or nullptr for one the game does
    // not offer yet; such a button is left out.
    MainToolBar(const ActionFor& actionFor, const Execute& execute, QWidget* parent);

    // The strip of images for a button face: bitmap 129 for light faces (any of red, green
    // and blue at 179 or more), bitmap 133 for dark ones.
    static QString imageStripFor(const QColor& buttonFace);

    void setNewForm(bool dropDown);
    bool newIsDropDown() const;
    QToolButton* button(CommandId id) const;
    QAction* difficultyAction() const { return difficulty_; }

    // Called whenever the toolbar was moved or resized: docked elsewhere, floated, shown.
    void setOnMoved(std::function<void()> onMoved) { onMoved_ = std::move(onMoved); }

    // Never asks for more width than its smallest form, so the window stays as wide as the
    // board; buttons that do not fit go into the toolbar's extension menu.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The action a button shows: the frame's, or the toolbar's own for Puzzle difficulty.
    QAction* buttonAction(CommandId id) const;
    void loadImages();

    ActionFor actionFor_;
    QAction* difficulty_;
    QMenu* newMenu_;
    std::function<void()> onMoved_;
};
