// Tests of the toolbar: its buttons, the New button's two forms, the size drop-down, the
// images for light and dark faces, and the window's height as the toolbar comes and goes.
#include "game/boardview.h"
#include "gamefixture.h"
#include "messageboxes.h"
#include "testregistry.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {
// The File menu's first entry: the New command, or the "&New" submenu.
QAction* firstFileItem(const GameFixture& game)
{
    return game.frame->fileMenu()->actions().first();
}

QColor centreOf(const QIcon& icon)
{
    // On a grid line of the Grid image, wherever the screen's scale puts it.
    const QImage image = icon.pixmap(32, 32).toImage();
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(12.5 * scale), static_cast<int>(4.5 * scale));
}
} // namespace

class TestMainToolBar : public QObject {
    Q_OBJECT

private slots:
    void buttonsInTheirOrder()
    {
        GameFixture game({"picture.jpg"});
        QStringList tips;
        for (QAction* action : game.toolbar()->actions()) {
            QWidget* widget = game.toolbar()->widgetForAction(action);
            if (action->isSeparator()) {
                QCOMPARE(widget->width(), 10);
                tips << QStringLiteral("|");
                continue;
            }
            QCOMPARE(widget->size(), QSize(40, 38));
            tips << widget->toolTip();
        }
        QCOMPARE(tips, QStringList({"New puzzle!", "Open picture", "|", "Jumble!", "Show solution",
                                    "Solve for me!", "|", "Puzzle difficulty", "Grid"}));
        QCOMPARE(game.toolbar()->iconSize(), QSize(32, 32));
        QVERIFY(game.toolbar()->button(CommandId::Grid)->isChecked());
        game.frame->execute(CommandId::Grid);
        QVERIFY(!game.toolbar()->button(CommandId::Grid)->isChecked());
    }

    void newTurnsIntoAChoiceForArchives()
    {
        GameFixture game({"three.zip"});
        QVERIFY(game.toolbar()->newIsDropDown());
        QVERIFY(firstFileItem(game)->menu() != nullptr);
        QCOMPARE(firstFileItem(game)->text(), QStringLiteral("&New"));
        QStringList choices;
        for (QAction* action : firstFileItem(game)->menu()->actions())
            choices << action->text();
        QCOMPARE(choices, QStringList({"From folder", "From Zip archive"}));
        choices.clear();
        for (QAction* action : game.toolbar()->button(CommandId::New)->menu()->actions())
            choices << action->text();
        QCOMPARE(choices, QStringList({"From folder", "From this Zip"}));

        // A plain picture file turns both back, New again first in the File menu.
        QFile::copy(testData("picture.jpg"), game.folder.filePath("plain.jpg"));
        game.frame->openPath(game.folder.filePath("plain.jpg"));
        QVERIFY(game.pictureLoaded());
        QVERIFY(!game.toolbar()->newIsDropDown());
        QCOMPARE(firstFileItem(game), game.frame->action(CommandId::New));
        // The menu shows it as "&New\tCtrl+N": the text, and the shortcut beside it.
        QCOMPARE(firstFileItem(game)->text(), QStringLiteral("&New"));
        QCOMPARE(firstFileItem(game)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));

        // The built-in picture, shown when the archive fails, is plain too.
        game.frame->openPath(game.folder.filePath("three.zip"));
        QVERIFY(game.pictureLoaded());
        QVERIFY(game.toolbar()->newIsDropDown());
        MessageBoxAnswerer answerer; // the archive is named as not shown
        game.frame->openPath(game.folder.filePath("missing.zip"));
        QVERIFY(game.pictureLoaded());
        QVERIFY(game.frame->pictureSource().defaultPictureShown);
        QVERIFY(!game.toolbar()->newIsDropDown());
        QCOMPARE(firstFileItem(game), game.frame->action(CommandId::New));
    }

    void menuItemsAndTheBoardHaveAccessibleNames()
    {
        GameFixture game({"picture.jpg"});
        // What a screen reader reads: each item's text without its shortcut, which it reads
        // apart, and no tab between them.
        int items = 0;
        std::function<void(QMenu*)> visit = [&](QMenu* menu) {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
            QVERIFY(list != nullptr);
            for (int i = 0; i < list->childCount(); ++i) {
                const QString name = list->child(i)->text(QAccessible::Name);
                QVERIFY2(!name.contains(QLatin1Char('\t')), qPrintable(name));
                ++items;
            }
            for (QAction* action : menu->actions())
                if (action->menu() != nullptr)
                    visit(action->menu());
        };
        for (QAction* title : game.frame->menuBar()->actions())
            visit(title->menu());
        QVERIFY(items > 40);
        QAccessibleInterface* newItem =
            QAccessible::queryAccessibleInterface(game.frame->fileMenu())->child(0);
        QCOMPARE(newItem->text(QAccessible::Name), QStringLiteral("New"));
        QCOMPARE(newItem->text(QAccessible::Accelerator), QStringLiteral("Ctrl+N"));
        QAccessibleInterface* board =
            QAccessible::queryAccessibleInterface(game.frame->boardView());
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Puzzle board"));
        QVERIFY(board->text(QAccessible::Description).contains(QStringLiteral("swap")));
    }

    void ctrlNStaysNewFromFolder()
    {
        GameFixture game({"three.zip", "picture.jpg"});
        QVERIFY(game.show());
        QString previous = game.frame->pictureSource().picturePath;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(game.frame.get(), Qt::Key_N, Qt::ControlModifier);
            QVERIFY(game.pictureLoaded());
            QVERIFY(game.frame->pictureSource().picturePath != previous);
            previous = game.frame->pictureSource().picturePath;
        }
    }

    void difficultyMenuSetsTheSize()
    {
        GameFixture game({"picture.jpg"});
        QMenu* sizes = game.toolbar()->difficultyAction()->menu();
        QCOMPARE(sizes->actions().size(), 8);
        QCOMPARE(sizes->actions()[3]->text(), QStringLiteral("6 x 6"));
        sizes->actions()[3]->trigger();
        QCOMPARE(game.frame->settings().dimension, 6);
        QVERIFY(sizes->actions()[3]->isChecked());
        QVERIFY(game.frame->action(CommandId::Size6)->isChecked());
        QVERIFY(!sizes->actions()[1]->isChecked());
        QCOMPARE(game.toolbar()->button(CommandId::PuzzleDifficulty)->popupMode(),
                 QToolButton::InstantPopup);
    }

    void imageStripFollowsTheButtonFace_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QString>("strip");
        QTest::newRow("classic grey") << QColor(240, 240, 240) << ":/BITMAP/129";
        QTest::newRow("just light, red") << QColor(179, 0, 0) << ":/BITMAP/129";
        QTest::newRow("just light, blue") << QColor(0, 0, 179) << ":/BITMAP/129";
        QTest::newRow("just dark") << QColor(178, 178, 178) << ":/BITMAP/133";
        QTest::newRow("dark theme") << QColor(53, 53, 53) << ":/BITMAP/133";
    }

    void imageStripFollowsTheButtonFace()
    {
        QFETCH(QColor, face);
        QFETCH(QString, strip);
        QCOMPARE(MainToolBar::imageStripFor(face), strip);
        QCOMPARE(QImage(strip).size(), QSize(256, 32));

        // Its twin for scaled screens has the same images where they are, twice as large:
        // the masked grey falls on nearly the same places.
        const QImage sharp(strip + QStringLiteral("@2x"));
        QCOMPARE(sharp.size(), QSize(512, 64));
        const QImage halved = sharp.scaled(256, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage plain(strip);
        const QRgb masked = qRgb(192, 192, 192);
        int agree = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 256; ++x)
                agree += (plain.pixel(x, y) == masked) == (halved.pixel(x, y) == masked);
        QVERIFY2(agree > 256 * 32 * 95 / 100, qPrintable(QString::number(agree)));
    }

    void scaledScreensGetTheSharpImages()
    {
        GameFixture game({"picture.jpg"});
        const QIcon icon = game.frame->action(CommandId::Grid)->icon();
        const QImage sharp = icon.pixmap(QSize(32, 32), 2.0).toImage();
        QCOMPARE(sharp.size(), QSize(64, 64));
        // The twin's own pixels, not the small image enlarged.
        const QImage strip =
            QImage(MainToolBar::imageStripFor(game.toolbar()->palette().color(QPalette::Button)) +
                   QStringLiteral("@2x"))
                .copy(6 * 64, 0, 64, 64)
                .convertToFormat(QImage::Format_RGB32);
        int drawn = 0;
        int same = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (strip.pixel(x, y) == qRgb(192, 192, 192))
                    continue;
                ++drawn;
                same += sharp.pixel(x, y) == strip.pixel(x, y);
            }
        }
        QVERIFY(drawn > 500);
        QCOMPARE(same, drawn);
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    }

    void paletteChangeSwapsTheImages()
    {
        GameFixture game({"picture.jpg"});
        QAction* grid = game.frame->action(CommandId::Grid);
        QPalette dark = game.toolbar()->palette();
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        QVERIFY(centreOf(grid->icon()).lightness() < 100);
        game.toolbar()->setPalette(dark);
        QVERIFY(centreOf(grid->icon()).lightness() > 180);
    }

    void windowFollowsTheToolbar()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const int full = game.frame->height();
        const QSize board = game.frame->boardView()->size();
        const int band = game.toolbar()->height();
        QVERIFY(band > 32);
        game.frame->execute(CommandId::Toolbar);
        QTRY_COMPARE(game.frame->height(), full - band);
        game.frame->execute(CommandId::Toolbar);
        QTRY_COMPARE(game.frame->height(), full);

        game.frame->addToolBar(Qt::BottomToolBarArea, game.toolbar());
        QTRY_COMPARE(game.frame->toolBarArea(game.toolbar()), Qt::BottomToolBarArea);
        QCOMPARE(game.frame->height(), full);
        QTRY_VERIFY(game.toolbar()->y() > game.frame->boardView()->y());
        game.frame->addToolBar(Qt::TopToolBarArea, game.toolbar());
        QTRY_COMPARE(game.frame->toolBarArea(game.toolbar()), Qt::TopToolBarArea);
        QCOMPARE(game.frame->boardView()->size(), board);
    }
};

TW_REGISTER_TEST(TestMainToolBar)
#include "tst_maintoolbar.moc"
