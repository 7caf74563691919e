// MainFrame: the game's one top-level window.
#include "mainframe.h"

#include "gamestate.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "settings.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStyle>

MainFrame::MainFrame(GameState& state, ProfileStore& profile, RandomEngine& random,
                     const ProgramFile& program, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , state_(state)
    , profile_(profile)
{
    state_.programFolder = program.folder;
    state_.folder = state_.programFolder;
    loadSettings(state_, profile_);
    state_.board.jumble(puzzleModeFromSetting(state_.puzzleMode), state_.dimension, random);

    setWindowTitle(QStringLiteral("Tilewright"));
    auto* board = new QWidget(this);
    board->setBackgroundRole(QPalette::Base);
    board->setAutoFillBackground(true);
    setCentralWidget(board);
    readFrameMetrics();
    setFixedSize(StartSize);
    move(StartPosition);
    state_.windowReady = true;
}

void MainFrame::readFrameMetrics()
{
    state_.menuBarHeight = menuBar()->sizeHint().height();
    state_.captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    state_.dialogFrameBorder = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    saveSettings(state_, profile_);
    event->accept();
}
