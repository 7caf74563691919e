// ScoreboardDialog: both scoreboards, one at a time, with a switch and a reset.
#include "scoreboarddialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Each column's share of the list's width.
constexpr double ColumnShares[] = {0.25, 0.2, 0.3, 0.2};

// A list whose columns keep their shares of its outer width.
class ScoreList : public QTreeWidget {
    Q_DECLARE_TR_FUNCTIONS(ScoreboardDialog)

public:
    ScoreList()
    {
        setHeaderLabels({tr("Name"), tr("Difficulty"), tr("Time"), tr("Moves")});
        setRootIsDecorated(false);
        header()->setStretchLastSection(false);
        setMinimumSize(440, 240);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTreeWidget::resizeEvent(event);
        for (int column = 0; column < 4; ++column)
            setColumnWidth(column, static_cast<int>(width() * ColumnShares[column]));
    }
};
} // namespace

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

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(switch_);
    buttons->addStretch();
    buttons->addWidget(reset_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addLayout(buttons);
    layout->addWidget(close);
    fill();
}

void ScoreboardDialog::fill()
{
    for (int mode = 0; mode < 2; ++mode) {
        QTreeWidget* list = lists_[mode];
        list->clear();
        for (const ScoreEntry& entry : tables_.table(mode)) {
            const QString size = tr("%1 x %1").arg(entry.difficulty);
            list->addTopLevelItem(new QTreeWidgetItem(
                {entry.name, size, formatScoreTime(entry.time), QString::number(entry.moves)}));
        }
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
    if (question.exec() != QMessageBox::Yes)
        return;
    tables_.setDefaults(profile_);
    fill();
}
