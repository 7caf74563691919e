// HyperlinkLabel: a label that looks and acts like a web link.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

class Shell;

// Shows its text in the link colour, the visited colour after a successful open and the
// hover colour while the pointer is over it, with a hand cursor and its target as tooltip.
// A colour too faint on the window behind it (contrast under 4.5:1) gives way to the
// palette's link colour, made lighter or darker as far as it takes. A click, or Enter or
// Space once Tab has brought the focus, asks the shell to open the target; a failure beeps
// and says why. The shell must outlive the label.
class HyperlinkLabel : public QLabel {
    Q_DECLARE_TR_FUNCTIONS(HyperlinkLabel)

public:
    enum UnderlineMode { UnderlineHover = -1, UnderlineNever = 0, UnderlineAlways = 1 };
    static constexpr int HoverTick = 100; // milliseconds between checks for the pointer

    // An empty text shows the target; an empty target takes the text.
    HyperlinkLabel(const QString& text, const QString& target, Shell& shell, QWidget* parent);

    void setTarget(const QString& target);
    QString target() const { return target_; }
    // An invalid hover colour means the palette's highlight colour.
    void setLinkColors(const QColor& link, const QColor& visited, const QColor& hover);
    QColor linkColor() const { return link_; }
    QColor visitedColor() const { return visited_; }
    QColor hoverColor() const { return hover_; }
    void markVisited(bool visited);
    bool wasVisited() const { return wasVisited_; }
    void setUnderlineMode(UnderlineMode mode);
    UnderlineMode underlineMode() const { return underlineMode_; }
    void setFitToText(bool fit);
    bool fitToText() const { return fitToText_; }

    // How far apart two colours' luminances are, from 1 (the same) to 21 (black on white).
    static double contrast(const QColor& a, const QColor& b);
    static constexpr double ReadableContrast = 4.5;

    // The text of the message shown when the shell answers with that code.
    static QString openFailureText(int code);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The colour the text is drawn in now.
    QColor shownColor() const;
    void open();
    // The shell could not open the target, at once or later.
    void reportFailure(int code);
    void fit();
    void endHover();
    void restyle();

    Shell& shell_;
    QString target_;
    QColor link_{0, 0, 238};
    QColor visited_{85, 26, 139};
    QColor hover_{255, 0, 0};
    bool hovering_ = false;
    bool wasVisited_ = false;
    UnderlineMode underlineMode_ = UnderlineHover;
    bool fitToText_ = true;
    bool restyling_ = false;
    QTimer hoverTimer_;
};
