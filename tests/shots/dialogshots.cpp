// dialogshots: opens every window and dialog of the game on a real screen, one after the
// other, and saves a screenshot of each (with its window frame) for a person to look at.
// Usage: dialogshots OUTPUT_FOLDER PICTURES_FOLDER [--dark] [--font-size POINTS] [--lang CODE]
// Run under an X server with a window manager; QT_SCALE_FACTOR sets the scale.
#include "about/helpwindow.h"
#include "app/crispstyle.h"
#include "app/mainframe.h"
#include "app/translations.h"
#include "fakes.h"
#include "filedialogs.h"
#include "game/boardview.h"
#include "game/solutiondialog.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "scores/congratulationsdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <optional>
#include <utility>
#ifdef TW_SHOTS_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

namespace {
QDir output;

QPalette darkPalette()
{
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor blue(42, 130, 218);
    // With the bevel shades (Light to Shadow) a real dark theme sets, which check boxes, radio
    // buttons and arrows are drawn with.
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, window},
        {QPalette::WindowText, text},
        {QPalette::Base, base},
        {QPalette::AlternateBase, window},
        {QPalette::ToolTipBase, base},
        {QPalette::ToolTipText, text},
        {QPalette::Text, text},
        {QPalette::Button, window},
        {QPalette::ButtonText, text},
        {QPalette::Link, blue},
        {QPalette::Highlight, blue},
        {QPalette::HighlightedText, base},
        {QPalette::Light, window.lighter(160)},
        {QPalette::Midlight, window.lighter(130)},
        {QPalette::Mid, window.darker(130)},
        {QPalette::Dark, window.darker(160)},
        {QPalette::Shadow, QColor(20, 20, 20)},
        {QPalette::PlaceholderText, QColor(150, 150, 150)},
        {QPalette::BrightText, QColor(255, 80, 80)}};
    QPalette dark;
    for (const auto& [role, colour] : roles)
        dark.setColor(role, colour);
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        dark.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    for (const auto role : {QPalette::Button, QPalette::Window, QPalette::Base})
        dark.setColor(QPalette::Disabled, role, window.darker(110));
    // Disabled text is etched with the light shade: on a dark window that shade is the window's.
    dark.setColor(QPalette::Disabled, QPalette::Light, window);
    return dark;
}

// The window manager's frame around the window, in the screen's own pixels: the root's
// child that holds it. Qt's frame geometry is in logical pixels, rounded, and takes the
// frame's extents as announced, which for a window of fixed size can include a resize handle
// the manager does not draw.
std::optional<QRect> nativeFrame(QWidget* window)
{
#ifdef TW_SHOTS_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return std::nullopt;
    xcb_connection_t* x = x11->connection();
    xcb_window_t frame = static_cast<xcb_window_t>(window->winId());
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, frame), nullptr);
        if (tree == nullptr)
            return std::nullopt;
        const bool top = tree->parent == tree->root;
        if (!top)
            frame = tree->parent;
        std::free(tree);
        if (top)
            break;
    }
    xcb_get_geometry_reply_t* box = xcb_get_geometry_reply(x, xcb_get_geometry(x, frame), nullptr);
    if (box == nullptr)
        return std::nullopt;
    const int border = box->border_width;
    const QRect rect(box->x, box->y, box->width + 2 * border, box->height + 2 * border);
    std::free(box);
    return rect;
#else
    Q_UNUSED(window);
    return std::nullopt;
#endif
}

// The screen's pixels under the widget's window, frame included, once it has had the time
// to be mapped, framed by the window manager and painted.
void shoot(const QString& name, QWidget* widget, int settle = 600)
{
    QTest::qWait(settle);
    QWidget* window = widget->window();
    QScreen* screen = window->screen();
    const qreal ratio = screen->devicePixelRatio();
    const QRect logical = window->frameGeometry();
    const QRect frame =
        nativeFrame(window).value_or(QRect(logical.topLeft() * ratio, logical.size() * ratio));
    screen->grabWindow(0).copy(frame).save(output.filePath(name + QStringLiteral(".png")));
}

void shootMenu(const QString& name, QMenu* menu, const QPoint& at)
{
    menu->popup(at);
    shoot(name, menu);
    menu->close();
}

// Runs the action once the next modal dialog is up; the command that opens it blocks.
void whenModal(const std::function<void(QWidget*)>& action, QWidget* under = nullptr)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, [poll, action, under] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == under)
            return;
        poll->deleteLater();
        poll->stop();
        action(modal);
    });
    poll->start();
}

template <typename T> T* child(QWidget* parent, const QString& text)
{
    for (T* found : parent->findChildren<T*>())
        if (found->text() == text)
            return found;
    return nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    output = QDir(args[1]);
    output.mkpath(QStringLiteral("."));
    const QString language = args.contains(QStringLiteral("--lang"))
                                 ? args[args.indexOf(QStringLiteral("--lang")) + 1]
                                 : QStringLiteral("en");
    const Translations translations({language});
    // The game's style over the desktop's (Fusion, which takes a dark palette, when dark).
    const bool dark = args.contains(QStringLiteral("--dark"));
    QApplication::setStyle(dark ? new CrispStyle(QStyleFactory::create(QStringLiteral("Fusion")))
                                : new CrispStyle);
    if (dark)
        QApplication::setPalette(darkPalette());
    if (args.contains(QStringLiteral("--font-size"))) {
        QFont font = QApplication::font();
        font.setPointSize(args[args.indexOf(QStringLiteral("--font-size")) + 1].toInt());
        QApplication::setFont(font);
    }

    QTemporaryDir folder;
    for (const QString& name : QDir(args[2]).entryList(QDir::Files))
        QFile::copy(QDir(args[2]).filePath(name), QDir(folder.path()).filePath(name));
    const QDir resources(QStringLiteral(TW_RESOURCES));
    for (const QString& name : resources.entryList({"*.html", "*.css"}, QDir::Files))
        QFile::copy(resources.filePath(name), QDir(folder.path()).filePath(name));
    ProfileStore profile(QDir(folder.path()).filePath(QStringLiteral("tilewright.ini")));
    RandomEngine random(7);
    RecordingSoundPlayer sounds;
    FixedClock clock;
    RecordingShell shell;
    QThreadPool pictureThreads;
    MainFrame frame({profile, random, sounds, clock, shell, pictureThreads},
                    ProgramFile::at(QDir(folder.path()).filePath(QStringLiteral("tilewright")))
                        .inLanguage(translations.language()),
                    QDir(folder.path()).filePath(QStringLiteral("balloons.bmp")));
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    shoot(QStringLiteral("01-main"), &frame);
    int k = 0;
    for (QAction* title : frame.menuBar()->actions()) {
        const QRect place = frame.menuBar()->actionGeometry(title);
        shootMenu(QStringLiteral("02-menu-%1").arg(++k), title->menu(),
                  frame.menuBar()->mapToGlobal(place.bottomLeft()));
    }

    whenModal([&](QWidget* dialog) {
        auto* open = qobject_cast<QFileDialog*>(dialog);
        openFolderIn(*open, folder.path());
        QTest::qWait(300);
        clickFileIn(*open, QDir(folder.path()).filePath(QStringLiteral("collection.zip")));
        shoot(QStringLiteral("03-open-archive"), dialog);
        clickFileIn(*open, QDir(folder.path()).filePath(QStringLiteral("balloons.bmp")));
        shoot(QStringLiteral("04-open-picture"), dialog);
        open->setViewMode(QFileDialog::Detail);
        shoot(QStringLiteral("05-open-details"), dialog);
        open->reject();
    });
    frame.execute(CommandId::Open);

    frame.execute(CommandId::ShowSolution);
    shoot(QStringLiteral("06-solution"), frame.solutionWindow());
    frame.solutionWindow()->close();

    whenModal([&](QWidget* dialog) {
        shoot(QStringLiteral("07-scoreboard"), dialog);
        whenModal(
            [](QWidget* question) {
                shoot(QStringLiteral("08-reset-question"), question);
                qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
            },
            dialog);
        child<QAbstractButton>(dialog,
                               QCoreApplication::translate("ScoreboardDialog", "Reset scores"))
            ->click();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame.execute(CommandId::Scoreboard);

    whenModal([](QWidget* dialog) {
        shoot(QStringLiteral("09-congratulations"), dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    CongratulationsDialog congratulations(profile, GameResult{0, 6, 88, 754}, &frame);
    congratulations.exec();

    frame.execute(CommandId::MakeGift);
    QWidget* gift = QApplication::topLevelWidgets().last();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &frame && top->inherits("QDialog"))
            gift = top;
    shoot(QStringLiteral("10-gift"), gift);
    gift->close();

    whenModal([](QWidget* dialog) {
        shoot(QStringLiteral("11-about"), dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame.execute(CommandId::About);

    whenModal([](QWidget* dialog) {
        shoot(QStringLiteral("12-message"), dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame.execute(CommandId::ResumeLast);

    // Play: a 3 x 3 slider solved by hints ends with its message and the finished picture.
    frame.execute(CommandId::Slider);
    frame.execute(CommandId::Size3);
    whenModal([](QWidget* dialog) {
        shoot(QStringLiteral("13-hint-message"), dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    for (int hints = 0; !frame.flow().round().puzzleOver && hints < 40; ++hints) {
        frame.execute(CommandId::Hint);
        QTest::qWait(200);
    }
    shoot(QStringLiteral("14-finished-slider"), &frame);

    // A slide of nine tiles on a 10 x 10 board, caught on its way.
    frame.execute(CommandId::Size10);
    BoardView* board = frame.boardView();
    const Round& round = frame.flow().round();
    const int far = round.board.holeCol() < 5 ? 9 : 0;
    QTest::mouseClick(board, Qt::LeftButton, {},
                      QPoint(far * board->tileSize().width() + board->tileSize().width() / 2,
                             round.board.holeRow() * board->tileSize().height() + 5));
    shoot(QStringLiteral("15-mid-slide"), &frame, 50);

    // The selection on a picture of the selection colour itself.
    QImage yellow(900, 600, QImage::Format_RGB32);
    yellow.fill(Qt::yellow);
    const QString yellowPath = QDir(folder.path()).filePath(QStringLiteral("yellow.png"));
    yellow.save(yellowPath);
    frame.execute(CommandId::TileSwap);
    frame.execute(CommandId::Size4);
    frame.openPath(yellowPath);
    if (!QTest::qWaitFor([&] { return !frame.loadingPicture(); }))
        return 1;
    QTest::mouseClick(
        board, Qt::LeftButton, {},
        QPoint(board->tileSize().width() * 3 / 2, board->tileSize().height() * 3 / 2));
    shoot(QStringLiteral("16-selection-on-its-colour"), &frame);

    // Help on a desktop that has no browser: the game's own window.
    shell.answer = Shell::NoAssociation;
    frame.execute(CommandId::Help);
    if (auto* help = frame.findChild<HelpWindow*>())
        shoot(QStringLiteral("17-help-window"), help, 1500);
    return 0;
}
