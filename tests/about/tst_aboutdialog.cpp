// Tests of the about box: its texts and picture, its link, and how it closes.
#include "about/aboutdialog.h"
#include "controls/hyperlinklabel.h"
#include "fakes.h"
#include "largefont.h"
#include "testregistry.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

class TestAboutDialog : public QObject {
    Q_OBJECT

private slots:
    void showsNameVersionPictureAndLink()
    {
        RecordingShell shell;
        AboutDialog about(shell, nullptr);
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tilewright"));
        QStringList texts;
        bool picture = false;
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            texts << label->text();
            picture =
                picture || label->pixmap().deviceIndependentSize().toSize() == QSize(197, 198);
        }
        QVERIFY(texts.contains(QStringLiteral("Tilewright v" TW_VERSION)));
        QVERIFY(picture);
        QCOMPARE(about.link()->target(), QStringLiteral("https://tilewright.example.org/"));
        QTest::mouseClick(about.link(), Qt::LeftButton);
        QCOMPARE(shell.opened, QStringList{"https://tilewright.example.org/"});
        QVERIFY(about.link()->wasVisited());
    }

    void escapeEndsItLikeOk()
    {
        RecordingShell shell;
        AboutDialog about(shell, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void enterMeansOkAndTabReachesTheLink()
    {
        RecordingShell shell;
        AboutDialog about(shell, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.link());
        QTest::keyClick(about.link(), Qt::Key_Return);
        QCOMPARE(shell.opened, QStringList{"https://tilewright.example.org/"});
        QVERIFY(about.isVisible());
        QTest::keyClick(about.link(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(shell.opened.size(), 1);
    }

    void nothingIsCutWithALargeFont_data() { addFontSizeRows({0, 16, 24}); }

    void nothingIsCutWithALargeFont()
    {
        QFETCH(int, points);
        const LargeFont font(points);
        RecordingShell shell;
        AboutDialog about(shell, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                // The picture's frame fits it exactly, so it sits in the middle.
                QCOMPARE(label->contentsRect().size(), QSize(197, 198));
                QCOMPARE(label->alignment(), Qt::AlignCenter);
                continue;
            }
            QFont underlined = label->font();
            underlined.setUnderline(true);
            const QSize text = QFontMetrics(underlined).size(Qt::TextSingleLine, label->text());
            QVERIFY2(label->contentsRect().width() >= text.width(), qPrintable(label->text()));
            QVERIFY(label->contentsRect().height() >= text.height());
            const QRect inDialog(label->mapTo(&about, QPoint(0, 0)), label->size());
            QVERIFY(about.rect().contains(inDialog));
        }
    }

    void sharpPictureOnScaledScreens()
    {
        QCOMPARE(AboutDialog::picture(1).size(), QSize(197, 198));
        const QPixmap sharp = AboutDialog::picture(2);
        QCOMPARE(sharp.size(), QSize(394, 396));
        QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(197, 198));
        QCOMPARE(AboutDialog::picture(1.5).deviceIndependentSize().toSize(), QSize(197, 198));
    }
};

TW_REGISTER_TEST(TestAboutDialog)
#include "tst_aboutdialog.moc"
