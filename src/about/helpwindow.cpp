// HelpWindow: the help page in a window of the game's own, for a desktop without a browser.
#include "helpwindow.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& page, QWidget* parent)
    : QDialog(parent)
    , browser_(new QTextBrowser)
{
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true); // a web address goes to the desktop, as it can
    browser_->setSource(QUrl::fromLocalFile(page));
    setWindowTitle(browser_->documentTitle());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    // About seventy letters a line, and as tall as the screen comfortably allows.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() * 9 / 10;
    ensurePolished(); // the player's font, which the page's letters take
    const int letter = fontMetrics().averageCharWidth();
    resize(QSize(76 * letter, 60 * fontMetrics().lineSpacing()).boundedTo(room));
}
