// Board stage: the window's middle, where the board stands.
#include "boardstage.h"

BoardStage::BoardStage(QWidget* parent)
    : QWidget(parent)
    , resized_([] {})
{}

void BoardStage::setResized(std::function<void()> resized)
{
    resized_ = std::move(resized);
}

void BoardStage::setDarkGround(bool dark)
{
    setAutoFillBackground(dark);
    if (dark) {
        QPalette ground = palette();
        ground.setColor(QPalette::Window, Qt::black);
        setPalette(ground);
    }
}

void BoardStage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resized_();
}
