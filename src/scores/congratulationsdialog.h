// CongratulationsDialog: the finished puzzle's statistics, and a place on the scoreboard.
#pragma once

#include "scoretables.h"

#include <QCoreApplication>
#include <QDialog>

class ProfileStore;
class QLabel;
class QLineEdit;

// Modal. Shows the difficulty, time and moves; when the result earns a place on its mode's
// scoreboard it also asks for a name, and OK records it. Escape or closing records nothing.
class CongratulationsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CongratulationsDialog)

public:
    CongratulationsDialog(ProfileStore& profile, const GameResult& result, QWidget* parent);

    // The name offered before any player has typed one, in the player's language.
    static QString defaultPlayerName();

    bool qualified() const { return qualified_; }
    QLabel* difficultyLine() const { return difficulty_; }
    QLabel* timeLine() const { return time_; }
    QLabel* movesLine() const { return moves_; }
    QLineEdit* nameEdit() const { return name_; }

    // Enters the result, when it earns a place, under the name shown; OK does this.
    void enterResult();
    void accept() override;

private:
    ProfileStore& profile_;
    GameResult result_;
    bool qualified_ = false;
    QLabel* difficulty_;
    QLabel* time_;
    QLabel* moves_;
    QLabel* prompt_;
    QLineEdit* name_;
};
