// Tests of the hyperlink label with real mouse events and an injected shell.
#include "controls/hyperlinklabel.h"
#include "fakes.h"
#include "messageboxes.h"
#include "testregistry.h"

#include <QTest>

namespace {
// A label on a shown window, with room around it for the pointer to leave.
struct Page {
    QWidget window;
    RecordingShell shell;
    HyperlinkLabel* link;

    explicit Page(const QString& text = QStringLiteral("Tilewright on the web"),
                  const QString& target = QStringLiteral("https://tilewright.example.org/"))
        : link(new HyperlinkLabel(text, target, shell, &window))
    {
        window.resize(400, 200);
        link->setGeometry(20, 20, 300, 40);
        link->setFitToText(true);
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QColor colour() const { return link->palette().color(QPalette::WindowText); }
    void hover() { QTest::mouseMove(link, link->rect().center()); }
    void leave() { QTest::mouseMove(&window, QPoint(390, 190)); }
};
} // namespace

class TestHyperlinkLabel : public QObject {
    Q_OBJECT

private slots:
    void textAndTargetStandInForEachOther()
    {
        RecordingShell shell;
        HyperlinkLabel noText(QString(), QStringLiteral("https://a.example/"), shell, nullptr);
        QCOMPARE(noText.text(), QStringLiteral("https://a.example/"));
        HyperlinkLabel noTarget(QStringLiteral("https://b.example/"), QString(), shell, nullptr);
        QCOMPARE(noTarget.target(), QStringLiteral("https://b.example/"));
        QCOMPARE(noTarget.toolTip(), QStringLiteral("https://b.example/"));
        QCOMPARE(noTarget.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(noTarget.linkColor(), QColor(0, 0, 238));
        QCOMPARE(noTarget.visitedColor(), QColor(85, 26, 139));
        QCOMPARE(noTarget.hoverColor(), QColor(255, 0, 0));
    }

    void hoverColoursAndUnderline()
    {
        Page page;
        QVERIFY(page.show());
        QCOMPARE(page.colour(), QColor(0, 0, 238));
        page.hover();
        QVERIFY(page.link->hovering());
        QCOMPARE(page.colour(), QColor(255, 0, 0));
        QVERIFY(page.link->font().underline());
        page.leave();
        QTRY_VERIFY_WITH_TIMEOUT(!page.link->hovering(), HyperlinkLabel::HoverTick + 50);
        QCOMPARE(page.colour(), QColor(0, 0, 238));
        QVERIFY(!page.link->font().underline());

        page.link->setUnderlineMode(HyperlinkLabel::UnderlineNever);
        page.hover();
        QVERIFY(!page.link->font().underline());
        page.leave();
        page.link->setUnderlineMode(HyperlinkLabel::UnderlineAlways);
        QVERIFY(page.link->font().underline());
    }

    void clickOpensTheTarget()
    {
        Page page;
        QVERIFY(page.show());
        QTest::mouseClick(page.link, Qt::LeftButton);
        QCOMPARE(page.shell.opened, QStringList{"https://tilewright.example.org/"});
        QVERIFY(page.link->wasVisited());
        QCOMPARE(page.colour(), QColor(85, 26, 139));

        page.shell.answer = 26;
        MessageBoxAnswerer answerer;
        QTest::mouseClick(page.link, Qt::LeftButton);
        QCOMPARE(answerer.texts,
                 QStringList{"Unable to open hyperlink:\n\nA sharing violation occurred. "});
        QVERIFY(!page.link->wasVisited());
        QCOMPARE(page.colour(), QColor(0, 0, 238));
    }

    void failureTexts()
    {
        QCOMPARE(HyperlinkLabel::openFailureText(4), QStringLiteral("Unknown Error (4) occurred."));
        QCOMPARE(HyperlinkLabel::openFailureText(2),
                 QStringLiteral("The specified file was not found."));
        QCOMPARE(HyperlinkLabel::openFailureText(31),
                 QStringLiteral("There is no application associated\nwith the given filename "
                                "extension."));
    }

    void fitsItsText_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(Qt::AlignLeft);
        QTest::newRow("centred") << int(Qt::AlignHCenter | Qt::AlignVCenter);
        QTest::newRow("right") << int(Qt::AlignRight);
    }

    void fitsItsText()
    {
        QFETCH(int, alignment);
        RecordingShell shell;
        QWidget window;
        auto* link = new HyperlinkLabel(QStringLiteral("Tilewright"), QString(), shell, &window);
        link->setAlignment(Qt::Alignment(alignment));
        link->setFitToText(false);
        const QRect box(20, 20, 300, 40);
        link->setGeometry(box);
        link->setFitToText(true);
        const QRect fitted = link->geometry();
        QVERIFY(fitted.width() < 120);
        if (alignment & Qt::AlignHCenter) {
            QVERIFY(qAbs(fitted.center().x() - box.center().x()) <= 1);
            QVERIFY(qAbs(fitted.center().y() - box.center().y()) <= 1);
        } else if (alignment & Qt::AlignRight) {
            QCOMPARE(fitted.right(), box.right());
            QCOMPARE(fitted.top(), box.top());
        } else {
            QCOMPARE(fitted.topLeft(), box.topLeft());
        }
    }
};

TW_REGISTER_TEST(TestHyperlinkLabel)
#include "tst_hyperlinklabel.moc"
