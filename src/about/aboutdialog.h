// AboutDialog: the game's name and version, its picture, and a link to its web page.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QPixmap>

class HyperlinkLabel;
class Shell;

// Modal; OK, Escape and the close box all end it. The shell must outlive it.
class AboutDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AboutDialog)

public:
    AboutDialog(Shell& shell, QWidget* parent);
    HyperlinkLabel* link() const { return link_; }

    // The about picture for a screen of that ratio: twice as many pixels above 1.
    static QPixmap picture(qreal devicePixelRatio);

private:
    HyperlinkLabel* link_;
};
