// SolutionDialog: a small window showing the whole current picture beside the board.
#pragma once

#include "pictures/picture.h"

#include <QCoreApplication>
#include <QDialog>

class QGroupBox;

// Modeless, with its own copy of the picture, which it keeps until it is closed. The
// close box, Escape and Enter close it; it deletes itself when closed.
class SolutionDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SolutionDialog)

public:
    // The picture the board shows, scaled down from the pixels the board was cut from.
    SolutionDialog(const Picture& current, QWidget* parent);

    // The frame the picture is stretched into; its inner area is the picture area.
    QRect pictureFrame() const;
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture picture_;
    QGroupBox* frame_;
};
