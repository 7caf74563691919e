// CongratulationsDialog: the finished puzzle's statistics, and a place on the scoreboard.
#include "congratulationsdialog.h"

#include "platform/profilestore.h"
#include "platform/sections.h"
#include "scoretables.h"
#include "timetext.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CongratulationsDialog::CongratulationsDialog(ProfileStore& profile, const GameResult& result,
                                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , profile_(profile)
    , result_(result)
    , difficulty_(new QLabel)
    , time_(new QLabel)
    , moves_(new QLabel)
    , prompt_(new QLabel(tr("Congratulations you have achieved a place on the "
                            "scoreboard. Please enter your name :")))
    , name_(new QLineEdit)
{
    setWindowTitle(tr("Congratulations!"));
    ScoreTables tables;
    tables.load(profile_);
    const int n = result.dimension;
    difficulty_->setText(tr("Puzzle difficulty : %1 x %1 (%2)").arg(n).arg(difficultyName(n)));
    time_->setText(tr("Time taken : %1").arg(timeText(result.seconds, TimeStyle::TimeTaken)));
    moves_->setText(tr("Moves made : %1").arg(result.moves));

    auto* stats = new QGroupBox(tr("Stats"));
    auto* lines = new QVBoxLayout(stats);
    for (QLabel* line : {difficulty_, time_, moves_})
        lines->addWidget(line);
    prompt_->setWordWrap(true);
    auto* ok = new QPushButton(tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stats);
    layout->addWidget(prompt_);
    layout->addWidget(name_, 0, Qt::AlignHCenter);
    layout->addWidget(ok);
    name_->setMinimumWidth(180);

    qualified_ = tables.qualifies(result.mode, n, result.seconds, result.moves);
    if (qualified_)
        name_->setText(
            profile_.readText(ScoresSection, ScoreTables::PlayerNameKey, defaultPlayerName()));
    prompt_->setVisible(qualified_);
    name_->setVisible(qualified_);
    ok->setDefault(true);
    ok->setFocus();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CongratulationsDialog::defaultPlayerName()
{
    return tr("Player 1");
}

void CongratulationsDialog::enterResult()
{
    if (!qualified_)
        return;
    const QString name = name_->text().isEmpty() ? defaultPlayerName() : name_->text();
    ScoreTables tables;
    tables.record(profile_, result_.mode,
                  {name, result_.dimension, result_.moves, result_.seconds});
    profile_.writeText(ScoresSection, ScoreTables::PlayerNameKey, name);
    profile_.sync();
}

void CongratulationsDialog::accept()
{
    enterResult();
    QDialog::accept();
}
