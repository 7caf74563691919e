// ScoreboardDialog: both scoreboards, one at a time, with a switch and a reset.
#include "scoreboarddialog.h"

#include "controls/buttonroom.h"
#include "timetext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// Each column's share of the list's width.
constexpr double ColumnShares[] = {0.25, 0.2, 0.3, 0.2};

// A message box is as wide as its text, which its title may not fit in: room for the title
// in a bold window-title font, and for the frame's icon and buttons beside it.
void roomForTitle(QMessageBox& box)
{
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) +
                      4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}
} // namespace

// A list whose columns keep their shares of its outer width, made wide enough for every
// column's texts and tall enough for all its rows: nothing cut, nothing to scroll, no empty
// room below. There is nothing to choose in it, so it takes no focus.
class ScoreList : public QTreeWidget {
    Q_DECLARE_TR_FUNCTIONS(ScoreboardDialog)

public:
    ScoreList()
    {
        setHeaderLabels({tr("Name"), tr("Difficulty"), tr("Time"), tr("Moves")});
        setRootIsDecorated(false);
        setFocusPolicy(Qt::NoFocus);
        setSelectionMode(QAbstractItemView::NoSelection);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        header()->setStretchLastSection(true); // the moves to the list's edge: no stub
        header()->setSectionsMovable(false);
    }

    // The width its texts need: each column's widest text over its share.
    int neededWidth() const
    {
        const int padding = 2 * fontMetrics().averageCharWidth();
        double width = MinimumWidth;
        for (int column = 0; column < 4; ++column) {
            const int title =
                header()->fontMetrics().horizontalAdvance(headerItem()->text(column)) +
                2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
            const int text = std::max(sizeHintForColumn(column), title);
            width = std::max(width, (text + padding) / ColumnShares[column]);
        }
        return static_cast<int>(std::ceil(width)) + 2 * frameWidth();
    }

    // The size fitRows and the needed width gave it: a stacked layout asks for no less.
    QSize sizeHint() const override { return minimumSize(); }

    void fitRows()
    {
        setFixedHeight(header()->sizeHint().height() + topLevelItemCount() * sizeHintForRow(0) +
                       2 * frameWidth());
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTreeWidget::resizeEvent(event);
        for (int column = 0; column < 3; ++column)
            setColumnWidth(column, static_cast<int>(width() * ColumnShares[column]));
    }

private:
    static constexpr double MinimumWidth = 440;
};

ScoreboardDialog::ScoreboardDialog(ProfileStore& profile, QWidget* parent)
    : QDialog(parent)
    , profile_(profile)
    , group_(new QGroupBox(tr("Tile swap")))
    , lists_{new ScoreList, new ScoreList}
    , switch_(new QPushButton(tr("Slider scores >>>")))
    , reset_(new QPushButton(tr("Reset scores")))
{
    setWindowTitle(tr("Scoreboards"));
    tables_.load(profile_);

    auto* stack = new QStackedLayout(group_);
    stack->addWidget(lists_[0]);
    stack->addWidget(lists_[1]);
    auto* close = new QPushButton(tr("Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(switch_, &QPushButton::clicked, this, &ScoreboardDialog::switchTable);
    connect(reset_, &QPushButton::clicked, this, &ScoreboardDialog::resetScores);

    giveRoomForTexts(*switch_, {tr("Tile Swap scores >>>")}); // either of its texts
    giveRoomForTexts(*reset_);
    // The switch in the middle of the dialog where the list leaves room for it, and Reset at
    // the right edge, under the list's and Close's: the outer columns share what is left.
    // The layout puts no spacing beside an empty column, so the gap before Reset is part of
    // Reset's column.
    auto* buttons = new QGridLayout;
    buttons->addWidget(switch_, 0, 1);
    buttons->addWidget(reset_, 0, 2, Qt::AlignRight);
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addLayout(buttons);
    layout->addWidget(close);
    const int gap = std::max(
        buttons->horizontalSpacing(),
        style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal));
    buttons->setHorizontalSpacing(0);
    buttons->setColumnMinimumWidth(2, reset_->minimumWidth() + gap);
    fill();
}

void ScoreboardDialog::fill()
{
    for (int mode = 0; mode < 2; ++mode) {
        QTreeWidget* list = lists_[mode];
        list->clear();
        for (const ScoreEntry& entry : tables_.table(mode)) {
            const QString size = tr("%1 x %1").arg(entry.difficulty);
            list->addTopLevelItem(
                new QTreeWidgetItem({entry.name, size, timeText(entry.time, TimeStyle::Scoreboard),
                                     QString::number(entry.moves)}));
        }
    }
    // Both lists as wide as the wider needs, so switching between them moves nothing.
    const int width = std::max(lists_[0]->neededWidth(), lists_[1]->neededWidth());
    for (ScoreList* list : lists_) {
        list->setMinimumWidth(width);
        list->fitRows();
    }
}

void ScoreboardDialog::switchTable()
{
    tileSwapShown_ = !tileSwapShown_;
    group_->setTitle(tileSwapShown_ ? tr("Tile Swap") : tr("Slider Puzzle"));
    switch_->setText(tileSwapShown_ ? tr("Slider scores >>>") : tr("Tile Swap scores >>>"));
    static_cast<QStackedLayout*>(group_->layout())->setCurrentIndex(tileSwapShown_ ? 0 : 1);
}

void ScoreboardDialog::resetScores()
{
    QMessageBox question(QMessageBox::NoIcon, tr("Reset scores"), tr("Are you sure?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    roomForTitle(question);
    if (question.exec() != QMessageBox::Yes)
        return;
    tables_.setDefaults(profile_);
    fill();
}

QTreeWidget* ScoreboardDialog::tileSwapList() const
{
    return lists_[0];
}

QTreeWidget* ScoreboardDialog::sliderList() const
{
    return lists_[1];
}
