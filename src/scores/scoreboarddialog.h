// ScoreboardDialog: both scoreboards, one at a time, with a switch and a reset.
#pragma once

#include "scoretables.h"

#include <QCoreApplication>
#include <QDialog>

class ProfileStore;
class QGroupBox;
class QPushButton;
class QTreeWidget;
class ScoreList;

// Modal; opens on the tile-swap table whatever the current mode. Closing saves nothing:
// only a confirmed reset writes the tables.
class ScoreboardDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ScoreboardDialog)

public:
    ScoreboardDialog(ProfileStore& profile, QWidget* parent);

    QTreeWidget* tileSwapList() const;
    QTreeWidget* sliderList() const;
    QGroupBox* group() const { return group_; }
    QPushButton* switchButton() const { return switch_; }
    QPushButton* resetButton() const { return reset_; }

private:
    void fill();
    void switchTable();
    void resetScores();

    ProfileStore& profile_;
    ScoreTables tables_;
    bool tileSwapShown_ = true;
    QGroupBox* group_;
    ScoreList* lists_[2];
    QPushButton* switch_;
    QPushButton* reset_;
};
