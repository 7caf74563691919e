// Tests of the open-picture dialog driven through its widgets: previews, stepping through
// an archive, switching the preview off and on.
#include "filedialogs.h"
#include "largefont.h"
#include "messageboxes.h"
#include "pictures/openpicturedialog.h"
#include "testfiles.h"
#include "testregistry.h"
#include "translated.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTreeView>
#include <algorithm>

namespace {
// The dialog open on a folder of corpus files and one subfolder, "album".
struct Dialog {
    QTemporaryDir folder;
    QThreadPool threads;
    OpenPictureDialog dialog{threads, nullptr};

    Dialog()
    {
        for (const char* name : {"PHOTO.JPG", "picture.gif", "picture.bmp", "three.zip",
                                 "bad-crc.zip", "jpeg-only.zip"})
            QFile::copy(testData(QString::fromLatin1(name)), path(QString::fromLatin1(name)));
        QDir(folder.path()).mkdir(QStringLiteral("album"));
        openFolderIn(dialog, folder.path());
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    // Clicks the file, and waits for its preview to be decoded; false when it never was.
    bool select(const QString& name)
    {
        clickFileIn(dialog, path(name));
        return previewed();
    }
    bool previewed()
    {
        return QTest::qWaitFor([this] { return !dialog.previewing(); }, 20000);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString counter() const { return dialog.counter()->text(); }
    bool buttonsShown() const
    {
        return dialog.previousButton()->isVisible() && dialog.nextButton()->isVisible();
    }
    int previewWidth() const { return dialog.preview().width(); }
};
} // namespace

class TestOpenPictureDialog : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithTheGamesFilter()
    {
        Dialog open;
        QVERIFY(open.dialog.previewBox()->isChecked());
        QVERIFY(!open.buttonsShown());
        QCOMPARE(open.counter(), QString());
        QVERIFY(!open.dialog.showsPreview());
        const auto* types = open.dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        // The long-known label first, the later formats after it; every file second.
        QCOMPARE(types->currentText(),
                 QStringLiteral("Supported files (*.BMP;*.GIF;*.JPG;*.ZIP;*.PNG;*.WEBP;*.TIF;"
                                "*.TIFF;*.HEIC;*.HEIF;*.AVIF;*.JXL)"));
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(1), QStringLiteral("All files (*)"));
    }

    void picturesPreviewWhateverTheirCase()
    {
        Dialog open;
        QVERIFY(open.select("PHOTO.JPG"));
        QVERIFY(open.dialog.showsPreview());
        QCOMPARE(open.previewWidth(), 48);
        QVERIFY(open.select("picture.gif"));
        QCOMPARE(open.previewWidth(), 36);
        QVERIFY(!open.buttonsShown());
    }

    void nothingMovesWhenTheArchiveRowComesAndGoes()
    {
        Dialog open;
        const auto* list = open.dialog.findChild<QListView*>(QStringLiteral("listView"));
        const auto layout = [&] {
            QTest::qWait(20); // the layout follows a shown or hidden row at once, if at all
            return QList<int>{open.dialog.previewBox()->mapTo(&open.dialog, QPoint()).y(),
                              list->height(), open.dialog.counter()->y()};
        };
        const QList<int> single = layout();
        QVERIFY(open.select("three.zip"));
        QVERIFY(open.buttonsShown());
        QCOMPARE(layout(), single);
        QVERIFY(open.select("picture.gif"));
        QVERIFY(!open.buttonsShown());
        QCOMPARE(layout(), single);
    }

    // Within the screen's free area, and the filter's label shown whole where it has room, in
    // German too.
    void fitsTheScreenAndShowsTheFilterWhole()
    {
        const Translated german(
            {{"Supported files (%1)", QStringLiteral("Unterstützte Dateien (%1)")}});
        Dialog open;
        open.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&open.dialog));
        // Its frame within the screen's free area, unless even the least it can be is larger.
        const QSize room = open.dialog.screen()->availableGeometry().size();
        const QSize framed = open.dialog.frameGeometry().size();
        const QSize least = open.dialog.minimumSizeHint() +
                            (open.dialog.frameGeometry().size() - open.dialog.size());
        QVERIFY2(framed.height() <= std::max(room.height(), least.height()) &&
                     framed.width() <= std::max(room.width(), least.width()),
                 qPrintable(QStringLiteral("%1 x %2").arg(framed.width()).arg(framed.height())));
        // The filter box asks for its whole label, and has it wherever the dialog has the
        // width it likes (a small screen may bound it to less).
        const auto* types = open.dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        const int label = types->fontMetrics().horizontalAdvance(types->currentText());
        QVERIFY(types->sizeHint().width() > label);
        if (open.dialog.width() >= open.dialog.sizeHint().width())
            QVERIFY(types->width() > label);
    }

    void detailedListShowsWholeTexts()
    {
        const LargeFont font(16);
        Dialog open;
        QVERIFY(writeFile(open.path(QStringLiteral("small.bmp")), QByteArray(157, 'x')));
        open.dialog.setViewMode(QFileDialog::Detail);
        auto* details = open.dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QTRY_COMPARE(details->model()->rowCount(details->rootIndex()), 8);
        QTest::qWait(50);
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 4; ++column) {
                const QModelIndex cell = details->model()->index(row, column, details->rootIndex());
                QVERIFY2(details->sizeHintForIndex(cell).width() <= details->columnWidth(column),
                         qPrintable(cell.data().toString()));
            }
        }
    }

    // On any screen the dialog fits, 1920 x 1080 at 200 % too: eight rows of files at least;
    // and on one at least 800 pixels wide, every heading of the detailed list whole, with no
    // scrolling to reach it.
    void showsEightRowsAndEveryHeading()
    {
        Dialog open;
        open.dialog.setViewMode(QFileDialog::Detail);
        open.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&open.dialog));
        auto* details = open.dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QTRY_COMPARE(details->model()->rowCount(details->rootIndex()), 7);
        QTest::qWait(50);
        const int rowHeight =
            details->visualRect(details->model()->index(0, 0, details->rootIndex())).height();
        QVERIFY2(details->viewport()->height() >= OpenPictureDialog::FewestRowsOfFiles * rowHeight,
                 qPrintable(
                     QStringLiteral("%1 / %2").arg(details->viewport()->height()).arg(rowHeight)));
        if (open.dialog.screen()->availableGeometry().width() < 800)
            return;
        const QHeaderView* header = details->header();
        for (int column = 0; column < header->count(); ++column) {
            const QString heading = details->model()->headerData(column, Qt::Horizontal).toString();
            const int left = header->sectionViewportPosition(column);
            QVERIFY2(
                left >= 0 && left + header->sectionSize(column) <= header->viewport()->width() &&
                    header->sectionSize(column) > header->fontMetrics().horizontalAdvance(heading),
                qPrintable(heading));
        }
    }

    void steppingThroughAnArchive()
    {
        Dialog open;
        MessageBoxAnswerer answerer;
        QVERIFY(open.select("three.zip"));
        QVERIFY(open.buttonsShown());
        QCOMPARE(open.counter(), QStringLiteral("1 of 3"));
        QCOMPARE(open.previewWidth(), 48);
        open.click(open.dialog.nextButton());
        QCOMPARE(open.counter(), QStringLiteral("2 of 3"));
        QCOMPARE(open.previewWidth(), 40);
        open.click(open.dialog.nextButton());
        QCOMPARE(open.counter(), QStringLiteral("3 of 3"));
        open.click(open.dialog.nextButton()); // already the last: nothing, no message
        QCOMPARE(open.counter(), QStringLiteral("3 of 3"));
        QCOMPARE(open.previewWidth(), 36);
        open.click(open.dialog.previousButton());
        open.click(open.dialog.previousButton());
        open.click(open.dialog.previousButton());
        QCOMPARE(open.counter(), QStringLiteral("1 of 3"));
        QCOMPARE(open.dialog.shownIndex(), 1);
        QCOMPARE(open.dialog.shownCount(), 3);
        QVERIFY(answerer.texts.isEmpty());
    }

    void brokenEntriesSayWhy()
    {
        Dialog open;
        MessageBoxAnswerer answerer;
        QVERIFY(open.select("bad-crc.zip"));
        QCOMPARE(answerer.texts, QStringList({"Buffer Error", "Cant Create Picture"}));
        QVERIFY(open.buttonsShown());
    }

    void archiveWithoutPicturesBlanksTheFrame()
    {
        Dialog open;
        QVERIFY(open.select("three.zip"));
        QVERIFY(open.select("jpeg-only.zip"));
        QVERIFY(!open.dialog.showsPreview());
        QVERIFY(!open.buttonsShown());
        QCOMPARE(open.counter(), QString());
    }

    void otherFileKeepsTheArchivesButtons()
    {
        Dialog open;
        QVERIFY(open.select("three.zip"));
        open.click(open.dialog.nextButton());
        QVERIFY(open.select("album"));
        QVERIFY(!open.dialog.showsPreview());
        QVERIFY(open.buttonsShown());
        QCOMPARE(open.counter(), QStringLiteral("2 of 3"));
        open.click(open.dialog.nextButton()); // the archive is closed: nothing to step
        QCOMPARE(open.counter(), QStringLiteral("2 of 3"));
    }

    void previewOffThenOn()
    {
        Dialog open;
        open.click(open.dialog.previewBox());
        QVERIFY(!open.dialog.previewBox()->isChecked());
        QVERIFY(open.select("picture.bmp"));
        QVERIFY(!open.dialog.showsPreview());
        QCOMPARE(open.previewWidth(), 0);
        open.click(open.dialog.previewBox());
        QVERIFY(open.previewed());
        QVERIFY(open.dialog.showsPreview());
        QCOMPARE(open.previewWidth(), 40);
    }

    void choosingReturnsThePathAndPosition()
    {
        Dialog open;
        QVERIFY(open.select("three.zip"));
        open.click(open.dialog.nextButton());
        clickAcceptIn(open.dialog);
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(open.dialog.chosenPath(), open.path("three.zip"));
        QCOMPARE(open.dialog.shownIndex(), 2);
    }
};

TW_REGISTER_TEST(TestOpenPictureDialog)
#include "tst_openpicturedialog.moc"
