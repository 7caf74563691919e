// SolutionDialog: a small window showing the whole current picture beside the board.
#include "solutiondialog.h"

#include "pictures/pictureframe.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int Margin = 20;
} // namespace

SolutionDialog::SolutionDialog(const Picture& current, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , frame_(new QGroupBox(this))
{
    setWindowTitle(tr("Solution"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize area = previewSize(current.size());
    frame_->setGeometry(QRect(QPoint(Margin, Margin), area.grownBy(PictureFrameInset)));
    setFixedSize(frame_->geometry().bottomRight().x() + 1 + Margin,
                 frame_->geometry().bottomRight().y() + 1 + Margin);
    picture_.loadFrom(current, previewFit(devicePixelRatioF()));
}

QRect SolutionDialog::pictureFrame() const
{
    return frame_->geometry();
}

void SolutionDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawInFrame(&painter, picture_, frame_->geometry());
}

void SolutionDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        close();
    else
        QDialog::keyPressEvent(event);
}
