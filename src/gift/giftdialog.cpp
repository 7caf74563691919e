// GiftDialog: makes a gift copy of the game that starts straight into the current picture.
#include "giftdialog.h"

#include "controls/buttonroom.h"
#include "giftfile.h"
#include "pictures/pictureframe.h"
#include "platform/product.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryFile>

GiftDialog::GiftDialog(const QString& programPath, const Picture& current, QWidget* parent)
    : QDialog(parent)
    , programPath_(programPath)
    , frame_(new QGroupBox)
    , tileSwap_(new QRadioButton(tr("Tile Swap")))
    , slider_(new QRadioButton(tr("Slider puzzle")))
    , makeGift_(new QPushButton(tr("Make gift")))
{
    setWindowTitle(tr("Make Gift puzzle"));
    setAttribute(Qt::WA_DeleteOnClose);
    picture_.loadFrom(current, previewFit(devicePixelRatioF()));

    frame_->setFixedSize(previewSize(current.size()).grownBy(PictureFrameInset));
    auto* text = new QLabel(
        tr("This will make a customized gift puzzle from the picture currently loaded into "
           "Tilewright for you to share with friends and family."));
    text->setWordWrap(true);
    tileSwap_->setChecked(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    makeGift_->setDefault(true);
    for (QPushButton* button : {cancel, makeGift_})
        giveRoomForTexts(*button);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(makeGift_, &QPushButton::clicked, this, &GiftDialog::makeGift);

    // The text, the choices and the buttons together, centred beside the picture: a tall
    // picture leaves equal room above and below them, not a gap in their midst.
    auto* layout = new QGridLayout(this);
    layout->addWidget(frame_, 0, 0, 5, 1, Qt::AlignCenter);
    layout->setRowStretch(0, 1);
    layout->addWidget(text, 1, 1, 1, 2);
    layout->addWidget(tileSwap_, 2, 1);
    layout->addWidget(slider_, 2, 2);
    layout->addWidget(cancel, 3, 1);
    layout->addWidget(makeGift_, 3, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnMinimumWidth(1, 140);
    layout->setColumnMinimumWidth(2, 140);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString GiftDialog::defaultGiftName()
{
#ifdef Q_OS_WIN
    return tr("Tilewright Gift") + QStringLiteral(".exe");
#else
    return tr("Tilewright Gift");
#endif
}

QString GiftDialog::writableStartFolder(const QString& last)
{
    for (const QString& folder :
         {last, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".gift-XXXXXX")));
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && probe.open())
            return folder;
    }
    return QDir::homePath();
}

QRect GiftDialog::previewFrame() const
{
    return frame_->geometry();
}

void GiftDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawInFrame(&painter, picture_, frame_->geometry());
}

void GiftDialog::makeGift()
{
    if (picture_.isEmpty()) {
        QMessageBox::information(this, ProductName, tr("There is no picture to make a gift of."));
        return;
    }
    QFileDialog save(this, tr("Save gift"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    // The last folder visited may be one the game cannot write in, its installed pictures'.
    save.setDirectory(writableStartFolder(save.directory().absolutePath()));
    save.selectFile(defaultGiftName());
    if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty())
        return;
    QString error;
    if (!writeGift(programPath_, save.selectedFiles().first(), tileSwap_->isChecked() ? 0 : 1,
                   picture_.saveEncoded(), &error)) {
        QMessageBox::information(this, ProductName, tr("The gift could not be made.\n\n") + error);
        return;
    }
    accept();
}
