// AboutDialog: the game's name and version, its picture, and a link to its web page.
#include "aboutdialog.h"

#include "controls/hyperlinklabel.h"
#include "platform/product.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

QPixmap AboutDialog::picture(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QPixmap(QStringLiteral(":/BITMAP/116"));
    QPixmap sharp(QStringLiteral(":/BITMAP/116@2x"));
    sharp.setDevicePixelRatio(2);
    return sharp;
}

AboutDialog::AboutDialog(Shell& shell, QWidget* parent)
    : QDialog(parent)
    , link_(nullptr)
{
    setWindowTitle(tr("About %1").arg(ProductName));

    // The frame fits the picture exactly, so the picture sits in its middle.
    auto* picture = new QLabel;
    picture->setPixmap(AboutDialog::picture(devicePixelRatioF()));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(picture->pixmap().deviceIndependentSize().toSize() +
                          QSize(2, 2) * picture->frameWidth());

    // Laid out rather than placed, so a large font makes the box larger, never cut.
    auto* frame = new QGroupBox;
    frame->setMinimumSize(272, 100);
    auto* version = new QLabel(tr("%1 v%2").arg(ProductName, ProductVersion));
    version->setAlignment(Qt::AlignCenter);
    link_ = new HyperlinkLabel(ProductHomePage, ProductHomePage, shell, this);
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(version);
    inFrame->addWidget(link_, 0, Qt::AlignHCenter);

    auto* ok = new QPushButton(tr("OK"));
    ok->setMinimumWidth(100);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(9);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus(); // Enter means OK; Tab reaches the link
}
