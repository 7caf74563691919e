// Tests of the game's style: message-box icons drawn at every size they are asked for (never
// small pixmaps blown up at 200 %), and dialog buttons without icons.
#include "app/crispstyle.h"
#include "testregistry.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

class TestCrispStyle : public QObject {
    Q_OBJECT

private slots:
    void messageIconsAreDrawnAtEverySize_data()
    {
        QTest::addColumn<QStyle::StandardPixmap>("icon");
        QTest::newRow("information") << QStyle::SP_MessageBoxInformation;
        QTest::newRow("warning") << QStyle::SP_MessageBoxWarning;
        QTest::newRow("critical") << QStyle::SP_MessageBoxCritical;
        QTest::newRow("question") << QStyle::SP_MessageBoxQuestion;
    }
    void messageIconsAreDrawnAtEverySize()
    {
        QFETCH(QStyle::StandardPixmap, icon);
        CrispStyle style;
        const QIcon drawn = style.standardIcon(icon);
        const QImage small = drawn.pixmap(QSize(32, 32)).toImage();
        const QImage large = drawn.pixmap(QSize(32, 32), 4.0).toImage();
        QCOMPARE(large.size(), QSize(128, 128));
        // Blown up, the small one would repeat each pixel four times each way.
        const QImage blownUp =
            small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differing = 0;
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                differing += large.pixel(x, y) != blownUp.pixel(x, y) ? 1 : 0;
        QVERIFY2(differing > large.width() * 2, qPrintable(QString::number(differing)));
        // Something is drawn, in the middle at least.
        QVERIFY(qAlpha(large.pixel(64, 64)) == 255 || qAlpha(large.pixel(64, 90)) == 255);
    }

    void dialogButtonsCarryNoIcons()
    {
        CrispStyle style;
        QCOMPARE(style.styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tilewright"),
                        QStringLiteral("A message"), QMessageBox::Ok);
        box.setStyle(&style);
        QVERIFY(box.button(QMessageBox::Ok)->icon().isNull());
    }
};

TW_REGISTER_TEST(TestCrispStyle)
#include "tst_crispstyle.moc"
