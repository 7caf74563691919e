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
        QCOMPARE(picturePatterns(),
                 QStringList({"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip", "*.png", "*.webp",
                              "*.tif", "*.tiff", "*.heic", "*.heif", "*.avif", "*.jxl"}));
        QCOMPARE(openFilterPatterns(),
                 QStringLiteral("Supported files (*.bmp *.gif *.jpg *.jpeg *.zip *.png *.webp "
                                "*.tif *.tiff *.heic *.heif *.avif *.jxl)"));
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
        QCOMPARE(pictureFormatNamed("heif")->mimeTypes, QStringList({"image/heif", "image/heic"}));
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
        // Not offered for every archive on the system, and not called what it is not.
        QVERIFY(!pictureMimeTypes().contains(QStringLiteral("application/zip")));
        QCOMPARE(lines.filter(QStringLiteral("jigsaw"), Qt::CaseInsensitive), QStringList());
    }

    // The store's description and the help pages in every language name each format read.
    void everyFormatIsNamedWherePlayersRead_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file : {"desktop/org.example.tilewright.metainfo.xml", "Tilewright.html",
                                 "Tilewright.de.html", "Tilewright.fr.html"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }
    void everyFormatIsNamedWherePlayersRead()
    {
        QFETCH(QString, file);
        const QString text =
            QString::fromUtf8(readFile(QStringLiteral(TW_TEST_DATA "/../../resources/") + file));
        QVERIFY(!text.isEmpty());
        for (const PictureFormat& format : pictureFormats()) {
            // German joins "JPEG XL" to the noun after it with hyphens.
            const QString name = QString(format.name).replace(' ', QStringLiteral("[ -]"));
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(name))),
                     qPrintable(format.name));
        }
    }

    // The manual does not claim the toolbar's state is kept; the package runs without Wayland.
    void manualAndPackageTellTheTruth()
    {
        const QString manual = QString::fromUtf8(
            readFile(QStringLiteral(TW_TEST_DATA "/../../resources/desktop/tilewright.6.in")));
        const qsizetype settings = manual.indexOf(QStringLiteral("[Settings]"));
        const qsizetype held = manual.indexOf(QStringLiteral("section holds"), settings);
        QVERIFY(settings >= 0 && held > settings);
        const QString list = manual.mid(held, manual.indexOf(QLatin1Char(';'), held) - held);
        QVERIFY2(!list.section(QLatin1Char('('), 0, 0).contains(QStringLiteral("toolbar")),
                 qPrintable(list));
        const QString control =
            QString::fromUtf8(readFile(QStringLiteral(TW_TEST_DATA "/../../debian/control")));
        const QRegularExpression field(QStringLiteral("^(\\w+):((?:[^\\n]|\\n )*)"),
                                       QRegularExpression::MultilineOption);
        QMap<QString, QString> fields;
        for (auto match = field.globalMatch(control); match.hasNext();) {
            const QRegularExpressionMatch one = match.next();
            fields[one.captured(1)] += one.captured(2);
        }
        QVERIFY(!fields.value(QStringLiteral("Depends")).contains(QStringLiteral("qt6-wayland")));
        QVERIFY(fields.value(QStringLiteral("Recommends")).contains(QStringLiteral("qt6-wayland")));
    }
};

TW_REGISTER_TEST(TestPictureFormats)
#include "tst_pictureformats.moc"
