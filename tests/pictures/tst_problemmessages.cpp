// Tests of the sentences that say why a picture the player chose is not shown.
#include "pictures/picture.h"
#include "pictures/problemmessages.h"
#include "testregistry.h"

#include <QLocale>
#include <QTest>

class TestProblemMessages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void oneSentenceForEachFault_data()
    {
        QTest::addColumn<PictureLoad>("load");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("unreadable")
            << PictureLoad(PictureFault::Unreadable) << "The file cannot be read.";
        QTest::newRow("unknown") << PictureLoad(PictureFault::UnknownFormat)
                                 << "Its format is not one the game reads.";
        QTest::newRow("damaged") << PictureLoad(PictureFault::Damaged) << "The picture is damaged.";
        QTest::newRow("pixels") << PictureLoad(PictureFault::TooLarge, {8000, 6000})
                                << "At 8,000 x 6,000 pixels the picture is too large to show.";
        QTest::newRow("bytes") << PictureLoad(PictureFault::TooLarge, {}, qint64{300} << 20)
                               << "At 300 MB the file is too large to show.";
        QTest::newRow("archive") << PictureLoad(PictureFault::NoPictures)
                                 << "The archive holds no picture the game reads.";
    }
    void oneSentenceForEachFault()
    {
        QFETCH(PictureLoad, load);
        QFETCH(QString, sentence);
        QCOMPARE(whyNotShown(load), sentence);
    }
};

TW_REGISTER_TEST(TestProblemMessages)
#include "tst_problemmessages.moc"
