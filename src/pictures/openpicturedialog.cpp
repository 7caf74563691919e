// OpenPictureDialog: the file dialog for a picture or an archive, with a live preview.
#include "openpicturedialog.h"

#include "entrypreview.h"
#include "folderscanner.h"
#include "pictureformats.h"
#include "pictureframe.h"
#include "platform/product.h"
#include "problemmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

// The preview frame: a group box whose inner area shows the whole picture, stretched.
class PreviewFrame : public QGroupBox {
public:
    explicit PreviewFrame(const OpenPictureDialog& dialog)
        : dialog_(dialog)
    {
        setFixedSize(152, 133);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QGroupBox::paintEvent(event);
        if (!dialog_.showsPreview())
            return;
        QPainter painter(this);
        drawInFrame(&painter, dialog_.preview(), rect());
    }

private:
    const OpenPictureDialog& dialog_;
};

OpenPictureDialog::OpenPictureDialog(QThreadPool& threads, QWidget* parent)
    : QFileDialog(parent)
    , decoding_(threads)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::AnyFile); // the named file need not exist
    setAcceptMode(QFileDialog::AcceptOpen);
    setFilter(filter() & ~QDir::CaseSensitive); // PHOTO.JPG is a picture too
    // A picture named as no format's is still offered for the game to judge by its content.
    setNameFilters({openFilterPatterns(), tr("All files (*)")});
    fitFileListColumns();
    // Show the filter as players know it, whole; the patterns behind it stay Qt's own.
    if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        types->setItemText(0, openFilterLabel());
        types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    connect(this, &QFileDialog::currentChanged, this, &OpenPictureDialog::selectionChanged);
    connect(this, &QFileDialog::directoryEntered, this, [this] {
        nothingToShow_ = true;
        frame_->update();
    });
    // Never beyond the screen's free area, room left for the window's frame and title.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);
    QWidget* panel = createPanel();
    const bool beside = placePanel(panel, room.height());
    updateButtons();
    updateCounter();
    // The size its lists like, and the panel's room beside them or below them.
    const QSize lists(760, 600);
    const QSize wanted = beside ? lists + QSize(panel->sizeHint().width(), 0) : lists;
    resize(wanted.expandedTo(sizeHint()).boundedTo(room));
}

bool OpenPictureDialog::placePanel(QWidget* panel, int roomHeight)
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr)
        return false;
    grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
    auto* files = findChild<QSplitter*>(QStringLiteral("splitter"));
    const auto* list = findChild<QListView*>(QStringLiteral("listView"));
    if (files == nullptr || list == nullptr || grid->indexOf(files) < 0)
        return false;
    int filesRow = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(files), &filesRow, &column, &rows, &columns);
    // The files take whatever height the dialog has beyond what the rest of it needs.
    grid->setRowStretch(filesRow, 1);
    // A short screen (a laptop's at 200 %) would leave the list a few rows under the panel:
    // the panel goes beside the list instead, which has the width to spare.
    const int rowHeight =
        std::max(list->fontMetrics().height(), list->iconSize().height()) + 2 * list->spacing() + 4;
    const int listRoom = roomHeight - (sizeHint().height() - files->sizeHint().height());
    // A row more for the detailed list's headings, and one for a scroll bar.
    if (listRoom >= (FewestRowsOfFiles + 2) * rowHeight + 2 * list->frameWidth())
        return false;
    grid->removeWidget(panel);
    files->addWidget(panel);
    files->setCollapsible(files->indexOf(panel), false);
    files->setStretchFactor(files->indexOf(panel), 0);
    return true;
}

QWidget* OpenPictureDialog::createPanel()
{
    auto* panel = new QWidget;
    previewBox_ = new QCheckBox(tr("Preview"));
    previewBox_->setChecked(previewOn_);
    frame_ = new PreviewFrame(*this);
    previous_ = new QPushButton(QStringLiteral("<"));
    next_ = new QPushButton(QStringLiteral(">"));
    counter_ = new QLabel;
    counter_->setAlignment(Qt::AlignCenter);
    for (QPushButton* button : {previous_, next_}) {
        button->setFixedWidth(28);
        button->setAutoDefault(false);
        // Hidden for a single picture, but keeping their room: nothing above them moves.
        QSizePolicy keep = button->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        button->setSizePolicy(keep);
    }
    connect(previewBox_, &QCheckBox::clicked, this, &OpenPictureDialog::togglePreview);
    connect(previous_, &QPushButton::clicked, this, [this] { step(false); });
    connect(next_, &QPushButton::clicked, this, [this] { step(true); });

    auto* layout = new QGridLayout(panel);
    layout->addWidget(previewBox_, 0, 0, 1, 3, Qt::AlignHCenter);
    layout->addWidget(frame_, 1, 0, 1, 3, Qt::AlignHCenter);
    layout->addWidget(previous_, 2, 0, Qt::AlignLeft);
    layout->addWidget(counter_, 2, 1);
    layout->addWidget(next_, 2, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    panel->setFixedWidth(frame_->width() + 24);
    // Centred below the list, or at the top beside it.
    auto* place = new QWidget;
    (new QGridLayout(place))->addWidget(panel, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    return place;
}

void OpenPictureDialog::fitFileListColumns()
{
    // The detailed list's columns grow with their contents ("157 bytes", never "157...tes"),
    // the name's too (Qt's own wide name pushes the others out of sight on a small screen),
    // and none is squeezed below ten letters' width. The places beside the list are as wide
    // as their names.
    if (auto* details = findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance(QString(10, 'w')));
        for (int column = 0; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (auto* places = findChild<QListView*>(QStringLiteral("sidebar")))
        places->setMinimumWidth(places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                                places->fontMetrics().averageCharWidth());
}

QString OpenPictureDialog::chosenPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

OpenPictureDialog::~OpenPictureDialog() = default;

void OpenPictureDialog::decodePreview(const QString& path)
{
    decoding_.start(
        [path, fit = previewFit()] {
            Picture picture;
            picture.loadFromFile(path, fit);
            return picture;
        },
        [this](Picture decoded) {
            // A file that does not decode leaves the preview as it was.
            if (decoded.isEmpty())
                return;
            preview_ = std::move(decoded);
            nothingToShow_ = false;
            zipMode_ = false;
            refreshPanel();
        });
}

void OpenPictureDialog::selectionChanged(const QString& path)
{
    selectedPath_ = path;
    zip_.close();
    decoding_.drop(); // a preview still on its way is of another file
    shownIndex_ = 1;
    if (path.isEmpty())
        return;
    if (hasPictureExtension(path)) {
        if (previewOn_)
            decodePreview(path);
        return;
    } else if (isArchivePath(path)) {
        if (!previewOn_ || !zip_.open(path))
            return;
        shownCount_ = zip_.count();
        if (shownCount_ <= 0) {
            zip_.close();
            nothingToShow_ = true;
            zipMode_ = false;
        } else {
            showEntry();
            nothingToShow_ = false;
            zipMode_ = true;
        }
    } else {
        nothingToShow_ = true;
    }
    refreshPanel();
}

void OpenPictureDialog::togglePreview()
{
    previewOn_ = !previewOn_;
    previewBox_->setChecked(previewOn_);
    if (previewOn_)
        selectionChanged(selectedPath_);
    refreshPanel();
}

void OpenPictureDialog::step(bool forward)
{
    const bool room = forward ? shownIndex_ < zip_.count() : shownIndex_ > 1;
    if (!zip_.isOpen() || !room)
        return;
    shownIndex_ += forward ? 1 : -1;
    if (!(forward ? zip_.goToNextPicture() : zip_.goToPreviousPicture()))
        QMessageBox::information(this, ProductName,
                                 forward ? tr("Couldn't select the next image")
                                         : tr("Couldn't select the previous image"));
    showEntry();
    refreshPanel();
}

void OpenPictureDialog::showEntry()
{
    reportProblems(this, showCurrentEntry(zip_, preview_, previewFit()));
}

PictureFit OpenPictureDialog::previewFit() const
{
    return frameFit(frame_->rect(), frame_->devicePixelRatioF());
}

void OpenPictureDialog::updateButtons()
{
    previous_->setVisible(zipMode_);
    next_->setVisible(zipMode_);
}

void OpenPictureDialog::updateCounter()
{
    counter_->setText(zipMode_ ? tr("%1 of %2").arg(shownIndex_).arg(zip_.count()) : QString());
}

void OpenPictureDialog::refreshPanel()
{
    // After a file that is neither picture nor archive, an archive's buttons and counter
    // stay as they were.
    if (zip_.isOpen() || !zipMode_) {
        updateButtons();
        updateCounter();
    }
    frame_->update();
}
