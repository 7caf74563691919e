// Tests of the hyperlink label with real mouse events and an injected shell.
#include "controls/hyperlinklabel.h"
#include "fakes.h"
#include "messageboxes.h"
#include "testregistry.h"

#include <QAccessible>
#include <QPushButton>
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
        // Red, darkened as far as the light window needs to read it.
        const QColor hover = page.colour();
        QVERIFY(hover.red() > 180 && hover.green() == 0 && hover.blue() == 0);
        QVERIFY(HyperlinkLabel::contrast(hover, page.window.palette().color(QPalette::Window)) >=
                HyperlinkLabel::ReadableContrast);
        QVERIFY(page.link->font().underline());
        page.leave();
        QTRY_COMPARE_WITH_TIMEOUT(page.colour(), QColor(0, 0, 238), HyperlinkLabel::HoverTick + 50);
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

        // Opened, then the desktop's opener ends in an error: said, and not visited after all.
        page.shell.answer = Shell::Opened;
        QTest::mouseClick(page.link, Qt::LeftButton);
        QVERIFY(page.link->wasVisited());
        page.shell.lateFailure(Shell::NoAssociation);
        QCOMPARE(answerer.texts.size(), 2);
        QVERIFY(answerer.texts[1].startsWith(QStringLiteral("Unable to open hyperlink:")));
        QVERIFY(!page.link->wasVisited());
    }

    void everyColourReadsOnLightAndDarkWindows_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("paletteLink");
        QTest::addColumn<bool>("ownLinkColour");
        QTest::newRow("light") << QColor(239, 239, 239) << QColor(0, 0, 255) << true;
        QTest::newRow("white") << QColor(255, 255, 255) << QColor(0, 0, 255) << true;
        QTest::newRow("dark, readable link")
            << QColor(53, 53, 53) << QColor(120, 180, 255) << false;
        QTest::newRow("dark, faint link") << QColor(53, 53, 53) << QColor(42, 130, 218) << false;
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(0, 0, 238) << false;
        QTest::newRow("mid grey") << QColor(128, 128, 128) << QColor(0, 0, 238) << false;
    }

    void everyColourReadsOnLightAndDarkWindows()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, paletteLink);
        QFETCH(bool, ownLinkColour);
        Page page;
        QPalette colours = page.window.palette();
        colours.setColor(QPalette::Window, window);
        colours.setColor(QPalette::Link, paletteLink);
        page.window.setPalette(colours);
        QVERIFY(page.show());
        const auto readable = [&] {
            return HyperlinkLabel::contrast(page.colour(), window) >=
                   HyperlinkLabel::ReadableContrast;
        };
        QVERIFY(readable());
        QCOMPARE(page.colour() == QColor(0, 0, 238), ownLinkColour);
        if (!ownLinkColour &&
            HyperlinkLabel::contrast(paletteLink, window) >= HyperlinkLabel::ReadableContrast)
            QCOMPARE(page.colour(), paletteLink); // the palette's own, when it reads
        const QColor resting = page.colour();
        page.hover();
        QVERIFY(readable());
        page.leave();
        QTRY_COMPARE_WITH_TIMEOUT(page.colour(), resting, HyperlinkLabel::HoverTick + 50);
        QTest::mouseClick(page.link, Qt::LeftButton);
        QVERIFY(page.link->wasVisited());
        QVERIFY(readable());
    }

    void keyboardReachesAndOpensTheLink()
    {
        Page page;
        auto* before = new QPushButton(QStringLiteral("OK"), &page.window);
        before->move(20, 100);
        QVERIFY(page.show());
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(page.link->hasFocus());
        QTest::keyClick(page.link, Qt::Key_Space);
        QTest::keyClick(page.link, Qt::Key_Return);
        QTest::keyClick(page.link, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(page.shell.opened.size(), 3);
        QTest::keyClick(page.link, Qt::Key_A);
        QCOMPARE(page.shell.opened.size(), 3);

        // With the focus it shows a focus frame: pixels differ from the unfocused label.
        const QImage focused = page.link->grab().toImage();
        before->setFocus();
        QVERIFY(page.link->grab().toImage() != focused);
    }

    void aScreenReaderMeetsALinkItCanPress()
    {
        Page page;
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(page.link);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Tilewright on the web"));
        QAccessibleActionInterface* actions = link->actionInterface();
        QVERIFY(actions != nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(page.shell.opened.size(), 1);
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
