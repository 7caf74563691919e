// MainFrame: the game's one top-level window.
#pragma once

#include <QMainWindow>

struct GameState;
struct ProgramFile;
class ProfileStore;
class RandomEngine;

// A fixed-size window that cannot be maximised. It loads the settings into the state when
// built, deals the first board, and saves the settings when closed. The state and the
// profile must outlive it.
class MainFrame : public QMainWindow {
public:
    static constexpr QSize StartSize{632, 632};
    static constexpr QPoint StartPosition{50, 10};

    MainFrame(GameState& state, ProfileStore& profile, RandomEngine& random,
              const ProgramFile& program, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void readFrameMetrics();

    GameState& state_;
    ProfileStore& profile_;
};
