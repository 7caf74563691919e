// MainToolBar: the main window's seven buttons, docked at the top or bottom, or floating.
#include "maintoolbar.h"

#include <QEvent>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr QSize ButtonSize(40, 38);
constexpr int ImageSide = 32;
constexpr int SeparatorWidth = 10;
const QColor MaskedGrey(192, 192, 192);

struct Button {
    CommandId id; // Separator: a 10-pixel gap
    int image;
    const char* tip;
};

constexpr Button Buttons[] = {
    {CommandId::New, 0, QT_TRANSLATE_NOOP("MainToolBar", "New puzzle!")},
    {CommandId::Open, 1, QT_TRANSLATE_NOOP("MainToolBar", "Open picture")},
    {CommandId::Separator, 0, nullptr},
    {CommandId::Jumble, 2, QT_TRANSLATE_NOOP("MainToolBar", "Jumble!")},
    {CommandId::ShowSolution, 3, QT_TRANSLATE_NOOP("MainToolBar", "Show solution")},
    {CommandId::SolveForMe, 4, QT_TRANSLATE_NOOP("MainToolBar", "Solve for me!")},
    {CommandId::Separator, 0, nullptr},
    {CommandId::PuzzleDifficulty, 5, QT_TRANSLATE_NOOP("MainToolBar", "Puzzle difficulty")},
    {CommandId::Grid, 6, QT_TRANSLATE_NOOP("MainToolBar", "Grid")},
};

constexpr CommandId Sizes[] = {CommandId::Size3, CommandId::Size4, CommandId::Size5,
                               CommandId::Size6, CommandId::Size7, CommandId::Size8,
                               CommandId::Size9, CommandId::Size10};
} // namespace

MainToolBar::MainToolBar(const ActionFor& actionFor, const Execute& execute, QWidget* parent)
    : QToolBar(tr("Toolbar"), parent)
    , actionFor_(actionFor)
    , difficulty_(new QAction(tr("Puzzle difficulty"), this))
    , newMenu_(new QMenu(this))
{
    setObjectName(QStringLiteral("MainToolBar"));
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    setIconSize(QSize(ImageSide, ImageSide));

    auto* sizes = new QMenu(this);
    for (const CommandId id : Sizes)
        sizes->addAction(actionFor(id));
    difficulty_->setMenu(sizes);
    newMenu_->addAction(actionFor(CommandId::NewFromFolder));
    newMenu_->addAction(tr("From this Zip"), this, [execute] { execute(CommandId::NewFromZip); });

    for (const Button& button : Buttons) {
        if (button.id == CommandId::Separator) {
            widgetForAction(addSeparator())->setFixedWidth(SeparatorWidth);
            continue;
        }
        QAction* action = buttonAction(button.id);
        if (action == nullptr)
            continue;
        action->setToolTip(tr(button.tip)); // menus show no tooltips
        addAction(action);
        widgetForAction(action)->setFixedSize(ButtonSize);
    }
    this->button(CommandId::PuzzleDifficulty)->setPopupMode(QToolButton::InstantPopup);
    // The toolbar's own button for the buttons that do not fit, named for screen readers.
    for (QToolButton* own : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (own->defaultAction() == nullptr && own->accessibleName().isEmpty())
            own->setAccessibleName(tr("More buttons"));
    loadImages();
}

QString MainToolBar::imageStripFor(const QColor& buttonFace)
{
    // A face with any channel this bright takes the strip drawn for light buttons.
    constexpr int LightChannel = 179;
    const bool light = buttonFace.red() >= LightChannel || buttonFace.green() >= LightChannel ||
                       buttonFace.blue() >= LightChannel;
    return light ? QStringLiteral(":/BITMAP/129") : QStringLiteral(":/BITMAP/133");
}

void MainToolBar::loadImages()
{
    // Each strip has a twice as large twin, which the icons choose on screens scaled above 1.
    const QString name = imageStripFor(palette().color(QPalette::Button));
    const auto masked = [](const QString& path) {
        QPixmap strip(path);
        strip.setMask(strip.createMaskFromColor(MaskedGrey));
        return strip;
    };
    const QPixmap strip = masked(name);
    const QPixmap sharp = masked(name + QStringLiteral("@2x"));
    for (const Button& button : Buttons) {
        QAction* action = buttonAction(button.id);
        if (action == nullptr)
            continue;
        QIcon icon(strip.copy(button.image * ImageSide, 0, ImageSide, ImageSide));
        QPixmap twice = sharp.copy(button.image * 2 * ImageSide, 0, 2 * ImageSide, 2 * ImageSide);
        twice.setDevicePixelRatio(2);
        icon.addPixmap(twice);
        action->setIcon(icon);
        action->setIconVisibleInMenu(false);
    }
}

QAction* MainToolBar::buttonAction(CommandId id) const
{
    if (id == CommandId::Separator)
        return nullptr;
    return id == CommandId::PuzzleDifficulty ? difficulty_ : actionFor_(id);
}

QToolButton* MainToolBar::button(CommandId id) const
{
    QAction* action = buttonAction(id);
    return action == nullptr ? nullptr : qobject_cast<QToolButton*>(widgetForAction(action));
}

void MainToolBar::setNewForm(bool dropDown)
{
    QToolButton* newButton = button(CommandId::New);
    if (newIsDropDown() == dropDown)
        return;
    newButton->setMenu(dropDown ? newMenu_ : nullptr);
    newButton->setPopupMode(dropDown ? QToolButton::InstantPopup : QToolButton::DelayedPopup);
}

bool MainToolBar::newIsDropDown() const
{
    return button(CommandId::New)->menu() != nullptr;
}

QSize MainToolBar::sizeHint() const
{
    const QSize full = QToolBar::sizeHint();
    if (isFloating() || orientation() != Qt::Horizontal)
        return full;
    return {minimumSizeHint().width(), full.height()};
}

void MainToolBar::changeEvent(QEvent* event)
{
    QToolBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        loadImages();
}

void MainToolBar::moveEvent(QMoveEvent* event)
{
    QToolBar::moveEvent(event);
    if (onMoved_)
        onMoved_();
}

void MainToolBar::resizeEvent(QResizeEvent* event)
{
    QToolBar::resizeEvent(event);
    if (onMoved_)
        onMoved_();
}
