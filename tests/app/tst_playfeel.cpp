// Tests of the play feel on the real window: where the new items stand, what is greyed when,
// hints from the menu and the key, a game won with hints, the peek, and the history resumed.
#include "game/boardview.h"
#include "gamefixture.h"
#include "messageboxes.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoretables.h"
#include "tempprofile.h"
#include "testregistry.h"

#include <QMenuBar>
#include <QSettings>
#include <QTest>

namespace {
// The menu's commands in order, Separator for each line between them.
std::vector<CommandId> itemsOf(const GameFixture& game, int menu)
{
    std::vector<CommandId> ids;
    for (QAction* item : game.frame->menuBar()->actions()[menu]->menu()->actions()) {
        CommandId id = CommandId::Separator;
        for (const Command& command : commandTable())
            if (game.frame->action(command.id) == item)
                id = command.id;
        ids.push_back(id);
    }
    return ids;
}

bool enabled(const GameFixture& game, CommandId id)
{
    return game.frame->action(id)->isEnabled();
}

// Every command but those that may be greyed can be chosen.
bool everyOtherCommandEnabled(const GameFixture& game)
{
    for (const Command& command : commandTable()) {
        const CommandId id = command.id;
        if (id != CommandId::Undo && id != CommandId::Redo && id != CommandId::ResumeLast &&
            id != CommandId::Hint && !enabled(game, id))
            return false;
    }
    return true;
}

// Opens and closes every menu, as a player looking through them does.
void lookThroughTheMenus(GameFixture& game)
{
    for (QAction* title : game.frame->menuBar()->actions()) {
        emit title->menu()->aboutToShow();
        emit title->menu()->aboutToHide();
    }
}
} // namespace

class TestPlayFeel : public QObject {
    Q_OBJECT

private slots:
    void newItemsLeaveTheOthersInPlace()
    {
        using Id = CommandId;
        GameFixture game({"picture.jpg"});
        QCOMPARE(itemsOf(game, 0), (std::vector<Id>{Id::New, Id::Open, Id::Separator, Id::MakeGift,
                                                    Id::Separator, Id::Exit}));
        QCOMPARE(itemsOf(game, 1),
                 (std::vector<Id>{Id::Undo, Id::Redo, Id::Separator, Id::Restart, Id::Separator,
                                  Id::Hint, Id::Peek, Id::Separator, Id::ResumeLast}));
        const std::vector<Id> view = itemsOf(game, 2);
        QCOMPARE((std::vector<Id>{view.end() - 4, view.end()}),
                 (std::vector<Id>{Id::TileNumbers, Id::Animations, Id::Separator, Id::FullScreen}));
        // The menu names the keys: H for a hint, Space held for a peek.
        QCOMPARE(game.frame->action(Id::Hint)->shortcut(), QKeySequence(Qt::Key_H));
        QCOMPARE(game.frame->action(Id::Peek)->shortcut(), QKeySequence(Qt::Key_Space));
    }

    void greyedWhileTheyHaveNothingToDo()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        QVERIFY(!enabled(game, CommandId::Undo));
        QVERIFY(!enabled(game, CommandId::Redo));
        QVERIFY(!enabled(game, CommandId::ResumeLast));
        QVERIFY(enabled(game, CommandId::Hint));
        QVERIFY(everyOtherCommandEnabled(game));
        QTest::mouseClick(game.frame->boardView(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(game.frame->boardView(), Qt::LeftButton, {},
                          QPoint(game.frame->boardView()->width() - 5, 5));
        QVERIFY(enabled(game, CommandId::Undo)); // at once after the click, for Ctrl+Z
        game.frame->execute(CommandId::Undo);
        QVERIFY(!enabled(game, CommandId::Undo));
        QVERIFY(enabled(game, CommandId::Redo));
        game.frame->execute(CommandId::SolveForMe);
        QVERIFY(!enabled(game, CommandId::Hint));
        QVERIFY(!enabled(game, CommandId::Redo));
        QVERIFY(everyOtherCommandEnabled(game));
        // A game kept in the profile, as another copy leaves one: there once the menus show.
        const PictureSource& source = game.frame->pictureSource();
        Board board(PuzzleMode::TileSwap, 4);
        board.jumble(game.random);
        keepGames(game.profile, {{source.picturePath, source.zipIndex, false,
                                  UnfinishedGame{board, board, 3, 0}}});
        lookThroughTheMenus(game);
        QVERIFY(enabled(game, CommandId::ResumeLast));
        QVERIFY(game.run(CommandId::ResumeLast));
        QVERIFY(!enabled(game, CommandId::ResumeLast));
        QVERIFY(enabled(game, CommandId::Hint));
    }

    void aGameAnotherCopyKeepsCanBeResumed()
    {
        TempProfile profileFile;
        GameFixture first({"picture.jpg"}, std::nullopt, profileFile.path);
        GameFixture second({"picture.bmp"}, std::nullopt, profileFile.path);
        lookThroughTheMenus(second);
        QVERIFY(!enabled(second, CommandId::ResumeLast));
        first.frame->execute(CommandId::Hint);
        first.frame->close(); // keeps its game
        lookThroughTheMenus(second);
        QVERIFY(enabled(second, CommandId::ResumeLast));
    }

    void theBoardHasTheKeysAndTheHintKeyMakesAMove()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(game.frame.get()));
        QCOMPARE(QApplication::focusWidget(), game.frame->boardView());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
        QCOMPARE(game.round().moves, 1);
        QCOMPARE(game.round().hints, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Shuffle});
    }

    void aGameWonWithHintsGoesOnNoScoreboard()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        Board nearly(PuzzleMode::Slider, 3); // two moves from home
        QVERIFY(nearly.slide({0, 2}));
        QVERIFY(nearly.slide({0, 0}));
        QVERIFY(game.resumeOn(nearly));
        ScoreTables before;
        before.load(game.profile);
        MessageBoxAnswerer answers;
        bool congratulated = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* dialog =
                    dynamic_cast<CongratulationsDialog*>(QApplication::activeModalWidget())) {
                congratulated = true;
                dialog->reject();
            }
        });
        watch.start(10);
        for (int i = 0; i < 2; ++i)
            game.frame->execute(CommandId::Hint);
        QTRY_COMPARE(answers.texts.size(), 1);
        QCOMPARE(answers.texts.front(), QStringLiteral("Solved with 2 hint(s). Games with hints do "
                                                       "not go on the scoreboard."));
        QVERIFY(!congratulated);
        QVERIFY(game.round().puzzleOver);
        QCOMPARE(game.sounds.played.last(), Sound::Complete);
        ScoreTables after;
        after.load(game.profile);
        QVERIFY(after.table(1) == before.table(1));
    }

    void animateMovesIsKeptAsASetting()
    {
        TempProfile profileFile;
        {
            GameFixture game({"picture.jpg"}, std::nullopt, profileFile.path);
            QVERIFY(game.checked(CommandId::Animations));
            game.frame->execute(CommandId::Animations);
            QVERIFY(!game.frame->settings().animations);
            QVERIFY(!game.checked(CommandId::Animations));
            game.frame->close();
        }
        QCOMPARE(QSettings(profileFile.path, QSettings::IniFormat).value("Settings/Animations"),
                 QVariant(QStringLiteral("0")));
    }

    void peekFromTheMenuLastsUntilTheNextClick()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->execute(CommandId::Peek);
        QVERIFY(game.frame->boardView()->isPeeking());
        QCOMPARE(game.round().moves, 0);
        QTest::mouseClick(game.frame->boardView(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!game.frame->boardView()->isPeeking());
        QVERIFY(!game.round().selected); // a click on a board the player cannot see plays nothing
    }

    void undoGoesOnAfterAResume()
    {
        TempProfile profileFile;
        // The first run's folder stays, so its picture is there to resume.
        GameFixture first({"picture.jpg"}, std::nullopt, profileFile.path);
        const std::vector<int> jumbled = first.round().board.tiles();
        first.frame->execute(CommandId::Hint);
        first.frame->execute(CommandId::Hint);
        first.frame->close();
        GameFixture second({"picture.bmp"}, std::nullopt, profileFile.path);
        QVERIFY(second.run(CommandId::ResumeLast));
        QCOMPARE(second.round().moves, 2);
        QCOMPARE(second.round().hints, 2);
        QVERIFY(enabled(second, CommandId::Undo));
        second.frame->execute(CommandId::Undo);
        second.frame->execute(CommandId::Undo);
        QCOMPARE(second.round().board.tiles(), jumbled);
        QVERIFY(!enabled(second, CommandId::Undo));
    }
};

TW_REGISTER_TEST(TestPlayFeel)
#include "tst_playfeel.moc"
