// Tests of the about box: its texts and picture, its link, and how it closes.
#include "about/aboutdialog.h"
#include "controls/hyperlinklabel.h"
#include "fakes.h"
#include "testregistry.h"

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
            picture = picture || label->pixmap().size() == QSize(197, 198);
        }
        QVERIFY(texts.contains(QStringLiteral("Tilewright v4.0")));
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
};

TW_REGISTER_TEST(TestAboutDialog)
#include "tst_aboutdialog.moc"
