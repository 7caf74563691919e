// GiftDialog: makes a gift copy of the game that starts straight into the current picture.
#pragma once

#include "pictures/picture.h"

#include <QCoreApplication>
#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

// Modeless, with its own copy of the current picture and a choice of puzzle mode. "Make
// gift" asks where to save the gift and writes it; a cancelled save keeps the dialog open.
// It deletes itself when closed.
class GiftDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(GiftDialog)

public:
    // The program file whose image the gift copies, and the picture the board shows: the
    // gift carries its bytes exactly, the preview is made from its pixels.
    GiftDialog(const QString& programPath, const Picture& current, QWidget* parent);

    // The name offered in the save dialog: with ".exe" where programs need it.
    static QString defaultGiftName();
    // Where the save dialog starts: the last folder when a file can be made there; else the
    // player's documents or home.
    static QString writableStartFolder(const QString& last);

    const Picture& picture() const { return picture_; }
    QRect previewFrame() const;
    QRadioButton* tileSwapButton() const { return tileSwap_; }
    QRadioButton* sliderButton() const { return slider_; }
    QPushButton* makeGiftButton() const { return makeGift_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void makeGift();

    QString programPath_;
    Picture picture_;
    QGroupBox* frame_;
    QRadioButton* tileSwap_;
    QRadioButton* slider_;
    QPushButton* makeGift_;
};
