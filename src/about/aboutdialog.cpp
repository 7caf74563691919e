// AboutDialog: the game's name and version, its picture, and a link to its web page.
#include "aboutdialog.h"

#include "controls/hyperlinklabel.h"
#include "platform/product.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

AboutDialog::AboutDialog(Shell& shell, QWidget* parent)
    : QDialog(parent)
    , link_(nullptr)
{
    setWindowTitle(tr("About %1").arg(ProductName));
    setFixedSize(300, 384);

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/BITMAP/116")));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setGeometry(48, 14, 204, 205);

    auto* frame = new QGroupBox(this);
    frame->setGeometry(14, 228, 272, 100);
    auto* version = new QLabel(tr("%1 v%2").arg(ProductName, ProductVersion), this);
    version->setAlignment(Qt::AlignCenter);
    version->setGeometry(26, 244, 248, 36);

    link_ = new HyperlinkLabel(ProductHomePage, ProductHomePage, shell, this);
    link_->setGeometry(50, 292, 220, 18);
    link_->setFitToText(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(100, 342, 100, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
