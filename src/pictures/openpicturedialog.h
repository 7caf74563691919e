// OpenPictureDialog: the file dialog for a picture or an archive, with a live preview.
#pragma once

#include "backgroundtask.h"
#include "picture.h"
#include "zippicturesource.h"

#include <QCoreApplication>
#include <QFileDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class PreviewFrame;

// Qt's own file dialog with a panel below it (beside the list on a short screen): a "Preview"
// check box, the preview frame, and "<" and ">" buttons with a counter for stepping through an
// archive's pictures. The chosen file need not exist. A picture file's preview is decoded on one of
// the threads, so a large one never freezes the dialog; the threads must outlive it.
class OpenPictureDialog : public QFileDialog {
    Q_DECLARE_TR_FUNCTIONS(OpenPictureDialog)

public:
    OpenPictureDialog(QThreadPool& threads, QWidget* parent);
    ~OpenPictureDialog() override;

    // The chosen path, and for an archive the picture last previewed and the count.
    QString chosenPath() const;
    int shownIndex() const { return shownIndex_; }
    int shownCount() const { return shownCount_; }

    // What the panel shows, for tests and for the paint of its frame.
    const Picture& preview() const { return preview_; }
    bool showsPreview() const { return previewOn_ && !nothingToShow_; }
    // A picture file's preview is being decoded.
    bool previewing() const { return decoding_.busy(); }
    QCheckBox* previewBox() const { return previewBox_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QLabel* counter() const { return counter_; }

    // The list shows this many files at least, on any screen the dialog fits.
    static constexpr int FewestRowsOfFiles = 8;

private:
    QWidget* createPanel();
    // Below the lists, or beside them when the screen is too short: true then.
    bool placePanel(QWidget* panel, int roomHeight);
    void fitFileListColumns();
    void selectionChanged(const QString& path);
    void togglePreview();
    // One picture on in the archive, or one back.
    void step(bool forward);
    void showEntry();
    void decodePreview(const QString& path);
    // Pixels enough for the frame, on the screen the dialog is on.
    PictureFit previewFit() const;
    void updateButtons();
    void updateCounter();
    void refreshPanel();

    Picture preview_;
    BackgroundTask<Picture> decoding_;
    ZipPictureSource zip_;
    bool previewOn_ = true;
    bool nothingToShow_ = true;
    bool zipMode_ = false;
    int shownIndex_ = 1;
    int shownCount_ = 0;
    QString selectedPath_;
    QCheckBox* previewBox_ = nullptr;
    PreviewFrame* frame_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* counter_ = nullptr;
};
