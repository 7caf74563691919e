// Tests of the gift dialog: its preview and payload, the mode choice, and the save dialog.
#include "filedialogs.h"
#include "gift/giftdialog.h"
#include "largefont.h"
#include "messageboxes.h"
#include "modaldialogs.h"
#include "testfiles.h"
#include "testregistry.h"
#include "testzip.h"
#include "textroom.h"
#include "translated.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

class TestGiftDialog : public QObject {
    Q_OBJECT

private slots:
    void builtInPictureIsThePayload()
    {
        Picture current;
        QVERIFY(current.loadBuiltIn());
        GiftDialog dialog(QString(), current, nullptr);
        QFile resource(QStringLiteral(":/BMP/IDR_BMP2"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        QCOMPARE(dialog.picture().saveEncoded(), resource.readAll());
        QVERIFY(dialog.tileSwapButton()->isChecked());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Make Gift puzzle"));
        QCOMPARE(dialog.previewFrame().size(), QSize(199 + 3, 200 + 9));
    }

    void boardsPictureIsThePayloadAndThePreviewIsSmall()
    {
        Picture current;
        QVERIFY(current.loadFromMemory(encodedPicture(1600, 800, "PNG")));
        GiftDialog dialog(QString(), current, nullptr);
        QCOMPARE(dialog.picture().size(), QSize(1600, 800));
        QCOMPARE(dialog.picture().saveEncoded(), current.saveEncoded());
        QCOMPARE(dialog.picture().pixels().size(),
                 devicePixels(QSize(200, 100), dialog.devicePixelRatioF()));
        QCOMPARE(dialog.previewFrame().size(), QSize(200 + 3, 100 + 9));
    }

    void textChoicesAndButtonsStayTogether()
    {
        // Whether the frame or the text is the taller, the right-hand column is one block:
        // no gap inside it, and what room is left lies evenly above and below.
        for (const QSize size : {QSize(1600, 800), QSize(600, 1200)}) {
            Picture current;
            QVERIFY(current.loadFromMemory(encodedPicture(size.width(), size.height(), "PNG")));
            GiftDialog dialog(QString(), current, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QRect choice = dialog.sliderButton()->geometry();
            const QRect button = dialog.makeGiftButton()->geometry();
            const int spacing = dialog.layout()->spacing();
            QVERIFY(button.top() - choice.bottom() <= spacing + 1);
            QLabel* text = dialog.findChild<QLabel*>();
            const QRect frame = dialog.previewFrame();
            const int above = text->geometry().top() - frame.top();
            const int below = frame.bottom() - button.bottom();
            // Centred on each other, whichever is the taller.
            QVERIFY2(std::abs(above - below) <= 1,
                     qPrintable(QStringLiteral("%1 %2").arg(above).arg(below)));
        }
    }

    // With a large font and German's longer words, each button's text keeps two letters' room
    // from its edges.
    void buttonsHaveRoomForTheirTexts()
    {
        const LargeFont font(16);
        const Translated german({{"Make gift", QStringLiteral("Geschenk erstellen")},
                                 {"Cancel", QStringLiteral("Abbrechen")},
                                 {"Tile Swap", QStringLiteral("Kacheltausch")},
                                 {"Slider puzzle", QStringLiteral("Schiebepuzzle")}});
        Picture current;
        QVERIFY(current.loadBuiltIn());
        GiftDialog dialog(QString(), current, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QPushButton* each : dialog.findChildren<QPushButton*>())
            QVERIFY2(hasRoomForItsText(*each), qPrintable(each->text()));
    }

    void makingAGift()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("tilewright"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        Picture current;
        QVERIFY(current.loadFromFile(testData("picture.jpg")));
        QPointer<GiftDialog> dialog = new GiftDialog(program, current, nullptr);
        dialog->show();
        QTest::mouseClick(dialog->sliderButton(), Qt::LeftButton);

        // A cancelled save writes nothing and keeps the dialog open.
        const ModalGuard<QFileDialog> cancelled([](QFileDialog& save) { save.reject(); });
        QTest::mouseClick(dialog->makeGiftButton(), Qt::LeftButton);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"tilewright"});

        QString offered;
        const ModalGuard<QFileDialog> saved([&](QFileDialog& save) {
            openFolderIn(save, folder.path());
            offered = save.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            typeFileNameIn(save, QStringLiteral("for Ann"));
            clickAcceptIn(save);
        });
        QTest::mouseClick(dialog->makeGiftButton(), Qt::LeftButton);
        QCOMPARE(offered, GiftDialog::defaultGiftName());
        const QByteArray gift = readFile(folder.filePath(QStringLiteral("for Ann")));
        const QByteArray image = readFile(program);
        QCOMPARE(gift, image + QByteArray(1, '\x01') + readFile(testData("picture.jpg")));
        QTRY_VERIFY(dialog.isNull()); // closed and gone once the gift is made
    }

    // A gift is saved where the last file dialog was, unless no file can be made there (as in
    // an installed game's pictures, even for the superuser in /sys): then in the player's
    // documents or home.
    void saveStartsWhereAGiftCanBeWritten()
    {
        QTemporaryDir writable;
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QStringList elsewhere{
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()};
        QCOMPARE(GiftDialog::writableStartFolder(writable.path()), writable.path());
        for (const QString& last : {QStringLiteral("/sys"), notAFolder.fileName(), QString()}) {
            const QString start = GiftDialog::writableStartFolder(last);
            QVERIFY2(elsewhere.contains(start), qPrintable(last + QStringLiteral(": ") + start));
            QTemporaryFile probe(QDir(start).filePath(QStringLiteral("XXXXXX")));
            QVERIFY(probe.open());
        }
    }

    void noPictureNoGift()
    {
        Picture current;
        QVERIFY(!current.loadFromFile(QStringLiteral("/missing.jpg")));
        GiftDialog dialog(QString(), current, nullptr);
        dialog.show();
        MessageBoxAnswerer answerer;
        QTest::mouseClick(dialog.makeGiftButton(), Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList{"There is no picture to make a gift of."});
        QVERIFY(dialog.isVisible());
    }
};

TW_REGISTER_TEST(TestGiftDialog)
#include "tst_giftdialog.moc"
