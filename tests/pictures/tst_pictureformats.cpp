// Tests of the format table: what the dialog, the folder scan and the desktop entry offer.
#include "pictures/pictureformats.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QTest>

class TestPictureFormats : public QObject {
    Q_OBJECT

private slots:
    void longKnownPatternsComeFirst()
    {
        QCOMPARE(picturePatterns(), QStringList({"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip",
                                                 "*.png", "*.webp", "*.tif", "*.tiff"}));
        QCOMPARE(openFilterPatterns(),
                 QStringLiteral(
                     "Supported files (*.bmp *.gif *.jpg *.jpeg *.zip *.png *.webp *.tif *.tiff)"));
    }

    void everyFormatHasAReader()
    {
        // The image plugins the game depends on are installed, or PNG alone would remain.
        const QList<QByteArray> readable = QImageReader::supportedImageFormats();
        for (const PictureFormat& format : pictureFormats())
            QVERIFY2(readable.contains(format.readerName), format.readerName.constData());
    }

    void extensionsInAnyCase()
    {
        QVERIFY(hasPictureExtension(QStringLiteral("/a/PHOTO.WEBP")));
        QVERIFY(hasPictureExtension(QStringLiteral("scan.Tiff")));
        QVERIFY(!hasPictureExtension(QStringLiteral("album.zip")));
        QVERIFY(!hasPictureExtension(QStringLiteral("notes.png.txt")));
        QCOMPARE(pictureFormatNamed("webp")->mimeType, "image/webp");
        QCOMPARE(pictureFormatNamed("svg"), nullptr);
    }

    void desktopEntryOpensEveryFormat()
    {
        const QStringList lines =
            QString::fromUtf8(
                readFile(QStringLiteral(TW_TEST_DATA "/../../resources/desktop/"
                                                     "org.example.tilewright.desktop")))
                .split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("Exec=tilewright %f")));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^MimeType="))),
                 QStringList(QStringLiteral("MimeType=") + pictureMimeTypes().join(';') + ';'));
    }
};

TW_REGISTER_TEST(TestPictureFormats)
#include "tst_pictureformats.moc"
