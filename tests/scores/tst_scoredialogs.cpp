// Tests of the congratulations and scoreboard dialogs, driven through their widgets.
#include "largefont.h"
#include "messageboxes.h"
#include "platform/profilestore.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoreboarddialog.h"
#include "scores/scoretables.h"
#include "tempprofile.h"
#include "testregistry.h"
#include "textroom.h"
#include "translated.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

namespace {
struct Store : TempProfile {
    ProfileStore profile{path};

    ScoreTable table(int mode)
    {
        ScoreTables tables;
        tables.load(profile);
        return tables.table(mode);
    }
};

QStringList row(QTreeWidget* list, int index)
{
    QStringList cells;
    for (int column = 0; column < 4; ++column)
        cells << list->topLevelItem(index)->text(column);
    return cells;
}

void clickOk(QDialog& dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
}
QRect closeButton(const ScoreboardDialog& dialog)
{
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->isDefault())
            return button->geometry();
    return {};
}

// What is out of line, if anything: Reset's right edge belongs on Close's, the switch within
// Close's width, neither overlapping the other.
QString misalignedButtons(const ScoreboardDialog& dialog)
{
    const QRect close = closeButton(dialog);
    const QRect switcher = dialog.switchButton()->geometry();
    const QRect reset = dialog.resetButton()->geometry();
    if (reset.right() != close.right() || switcher.right() >= reset.left() ||
        switcher.left() < close.left())
        return QStringLiteral("switch %1..%2, reset %3..%4, close %5..%6")
            .arg(switcher.left())
            .arg(switcher.right())
            .arg(reset.left())
            .arg(reset.right())
            .arg(close.left())
            .arg(close.right());
    return {};
}

bool switchCentred(const ScoreboardDialog& dialog)
{
    return std::abs(dialog.switchButton()->geometry().center().x() -
                    closeButton(dialog).center().x()) <= 1;
}
} // namespace

class TestScoreDialogs : public QObject {
    Q_OBJECT

private slots:
    void statisticsWithoutAPlace()
    {
        Store store;
        CongratulationsDialog dialog(store.profile, {0, 3, 45, 75}, nullptr);
        dialog.show();
        QCOMPARE(dialog.difficultyLine()->text(),
                 QStringLiteral("Puzzle difficulty : 3 x 3 (Beginner)"));
        QCOMPARE(dialog.timeLine()->text(), QStringLiteral("Time taken : 1 mins, 15 secs"));
        QCOMPARE(dialog.movesLine()->text(), QStringLiteral("Moves made : 45"));
        QVERIFY(!dialog.qualified());
        QVERIFY(!dialog.nameEdit()->isVisible());
        const ScoreTable before = store.table(0);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(store.table(0), before);
        QCOMPARE(store.raw("Scores/PlayerName"), QString());
    }

    void qualifyingResultIsRecorded()
    {
        Store store;
        CongratulationsDialog dialog(store.profile, {1, 5, 30, 100}, nullptr);
        dialog.show();
        QVERIFY(dialog.nameEdit()->isVisible());
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Player 1"));
        dialog.nameEdit()->clear();
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Ann"));
        clickOk(dialog);
        QCOMPARE(store.table(1)[5], (ScoreEntry{"Ann", 5, 30, 100}));
        QCOMPARE(store.table(0)[5].name, QStringLiteral("Quenby")); // tile swap untouched
        QCOMPARE(store.raw("Scores/PlayerName"), QStringLiteral("Ann"));
        CongratulationsDialog next(store.profile, {0, 10, 1, 1}, nullptr);
        QCOMPARE(next.nameEdit()->text(), QStringLiteral("Ann"));
    }

    void emptyNameIsPlayerOneAndABlankStays()
    {
        Store store;
        CongratulationsDialog empty(store.profile, {0, 8, 10, 10}, nullptr);
        empty.nameEdit()->clear();
        clickOk(empty);
        QCOMPARE(store.table(0)[2].name, QStringLiteral("Player 1"));
        QCOMPARE(store.raw("Scores/PlayerName"), QStringLiteral("Player 1"));
        CongratulationsDialog blank(store.profile, {0, 8, 10, 10}, nullptr);
        blank.nameEdit()->setText(QStringLiteral(" "));
        clickOk(blank);
        QCOMPARE(store.table(0)[3].name, QStringLiteral(" "));
    }

    void escapeRecordsNothing()
    {
        Store store;
        CongratulationsDialog dialog(store.profile, {0, 10, 1, 1}, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.nameEdit()->setText(QStringLiteral("Ghost"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(store.table(0)[0].name, QStringLiteral("Marbleowl"));
        QCOMPARE(store.raw("Scores/PlayerName"), QString());
    }

    void scoreboardOpensOnTileSwap()
    {
        Store store;
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Scoreboards"));
        QVERIFY(dialog.tileSwapList()->isVisible());
        QVERIFY(!dialog.sliderList()->isVisible());
        QCOMPARE(dialog.group()->title(), QStringLiteral("Tile swap"));
        QCOMPARE(row(dialog.tileSwapList(), 0),
                 QStringList({"Marbleowl", "10 x 10", "18 mins 31 secs", "318"}));
        QCOMPARE(row(dialog.sliderList(), 8)[2], QStringLiteral("11 secs"));
        QCOMPARE(row(dialog.sliderList(), 0)[2], QStringLiteral("29 mins 14 secs"));
        const int width = dialog.tileSwapList()->width();
        QCOMPARE(dialog.tileSwapList()->columnWidth(0), int(width * 0.25));
        QCOMPARE(dialog.tileSwapList()->columnWidth(2), int(width * 0.3));
    }

    void switchingBetweenTheTables()
    {
        Store store;
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        QTest::mouseClick(dialog.switchButton(), Qt::LeftButton);
        QVERIFY(dialog.sliderList()->isVisible());
        QCOMPARE(dialog.group()->title(), QStringLiteral("Slider Puzzle"));
        QCOMPARE(dialog.switchButton()->text(), QStringLiteral("Tile Swap scores >>>"));
        QTest::mouseClick(dialog.switchButton(), Qt::LeftButton);
        QVERIFY(dialog.tileSwapList()->isVisible());
        QCOMPARE(dialog.group()->title(), QStringLiteral("Tile Swap"));
        QCOMPARE(dialog.switchButton()->text(), QStringLiteral("Slider scores >>>"));
    }

    void resetAsksFirst()
    {
        Store store;
        ScoreTables tables;
        tables.load(store.profile);
        tables.insert(0, {"Ann", 10, 1, 1});
        tables.insert(1, {"Bob", 10, 1, 1});
        tables.save(store.profile);
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        QTest::mouseClick(dialog.switchButton(), Qt::LeftButton);
        {
            MessageBoxAnswerer no(QMessageBox::No);
            QTest::mouseClick(dialog.resetButton(), Qt::LeftButton);
            QCOMPARE(no.texts, QStringList{"Are you sure?"});
        }
        QCOMPARE(row(dialog.sliderList(), 0)[0], QStringLiteral("Bob"));
        {
            MessageBoxAnswerer yes(QMessageBox::Yes);
            QTest::mouseClick(dialog.resetButton(), Qt::LeftButton);
        }
        QCOMPARE(row(dialog.sliderList(), 0)[0], QStringLiteral("Quenby"));
        QVERIFY(dialog.sliderList()->isVisible());
        QCOMPARE(store.table(0)[0].name, QStringLiteral("Marbleowl"));
    }

    void listsShowEveryRowWholeWithNothingToSpare_data() { addFontSizeRows({0, 16}); }

    void listsShowEveryRowWholeWithNothingToSpare()
    {
        QFETCH(int, points);
        const LargeFont font(points);
        Store store;
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QTreeWidget* list : {dialog.tileSwapList(), dialog.sliderList()}) {
            QVERIFY(list->isVisible());
            const QRect last = list->visualItemRect(list->topLevelItem(9));
            QVERIFY(last.bottom() < list->viewport()->height());
            QVERIFY(list->viewport()->height() - last.bottom() <= 2); // no empty room
            for (int row = 0; row < 10; ++row) {
                for (int column = 0; column < 4; ++column) {
                    const QString text = list->topLevelItem(row)->text(column);
                    QVERIFY2(list->fontMetrics().horizontalAdvance(text) <
                                 list->columnWidth(column),
                             qPrintable(text));
                }
            }
            QCOMPARE(list->width(), dialog.tileSwapList()->width()); // switching moves nothing
            // The last column reaches the list's edge.
            int columns = 0;
            for (int column = 0; column < 4; ++column)
                columns += list->columnWidth(column);
            QCOMPARE(columns, list->viewport()->width());
            const int below = dialog.group()->height() - 1 - list->geometry().bottom();
            QVERIFY(below <= dialog.group()->layout()->contentsMargins().bottom() + 2);
            dialog.switchButton()->click();
        }
        // Each button's text keeps two letters' room from its edges.
        for (QPushButton* button : {dialog.switchButton(), dialog.resetButton()})
            QVERIFY2(hasRoomForItsText(*button), qPrintable(button->text()));
        QVERIFY2(misalignedButtons(dialog).isEmpty(), qPrintable(misalignedButtons(dialog)));
        QVERIFY(switchCentred(dialog));
        // No focus frame in the lists; the keyboard starts on a button.
        QVERIFY(!dialog.tileSwapList()->hasFocus());
        QVERIFY(qobject_cast<QPushButton*>(dialog.focusWidget()) != nullptr);
    }

    // Where the texts leave no room to centre the switch, it moves aside; the dialog stays as
    // wide as its list needs.
    void buttonsAlignedInLongerLanguages()
    {
        const Translated german(
            {{"Slider scores >>>", QStringLiteral("Bestenliste Schiebepuzzle >>>")},
             {"Tile Swap scores >>>", QStringLiteral("Bestenliste Kacheltausch >>>")},
             {"Reset scores", QStringLiteral("Ergebnisse zur\u00fccksetzen")}});
        Store store;
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int shown = 0; shown < 2; ++shown) {
            QVERIFY2(misalignedButtons(dialog).isEmpty(), qPrintable(misalignedButtons(dialog)));
            QCOMPARE(dialog.tileSwapList()->width(), dialog.tileSwapList()->minimumWidth());
            dialog.switchButton()->click();
        }
    }

    void resetQuestionHasRoomForItsTitle()
    {
        Store store;
        ScoreboardDialog dialog(store.profile, nullptr);
        dialog.show();
        MessageBoxAnswerer no(QMessageBox::No);
        QTest::mouseClick(dialog.resetButton(), Qt::LeftButton);
        QCOMPARE(no.widths.size(), 1);
        QFont bold = dialog.font();
        bold.setBold(true);
        QVERIFY(no.widths[0] >
                QFontMetrics(bold).horizontalAdvance(QStringLiteral("Reset scores")) +
                    2 * dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    }
};

TW_REGISTER_TEST(TestScoreDialogs)
#include "tst_scoredialogs.moc"
