// Board stage: the window's middle, where the board stands.
#pragma once

#include <QWidget>
#include <functional>

// Exactly the board's size in the window; in full screen all the room between the bars, on a
// dark ground, telling whoever lays the board out each time it changes size.
class BoardStage : public QWidget {
public:
    explicit BoardStage(QWidget* parent);

    void setResized(std::function<void()> resized);
    // A ground of its own around the board, or none where the board covers the stage.
    void setDarkGround(bool dark);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void()> resized_;
};
