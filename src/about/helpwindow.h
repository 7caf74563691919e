// HelpWindow: the help page in a window of the game's own, for a desktop without a browser.
#pragma once

#include <QDialog>

class QTextBrowser;

// Modeless; the page's own links are followed within it, and its title is the window's.
// Close, Escape and the close box end it, and it deletes itself then.
class HelpWindow : public QDialog {
public:
    HelpWindow(const QString& page, QWidget* parent);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};
