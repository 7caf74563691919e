// AboutDialog: the game's name and version, its picture, and a link to its web page.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class HyperlinkLabel;
class Shell;

// Modal; OK, Escape and the close box all end it. The shell must outlive it.
class AboutDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AboutDialog)

public:
    AboutDialog(Shell& shell, QWidget* parent);
    HyperlinkLabel* link() const { return link_; }

private:
    HyperlinkLabel* link_;
};
