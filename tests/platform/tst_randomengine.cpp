// Tests of the random engine: reproducible from a seed, in range and unbiased.
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QTest>
#include <array>

class TestRandomEngine : public QObject {
    Q_OBJECT

private slots:
    void seedFixesTheSequence()
    {
        RandomEngine a(2024);
        RandomEngine b(2024);
        RandomEngine c(2025);
        int sameAsOther = 0;
        for (int i = 0; i < 100; ++i) {
            const int fromA = a.below(1000);
            QCOMPARE(b.below(1000), fromA);
            sameAsOther += c.below(1000) == fromA ? 1 : 0;
        }
        QVERIFY(sameAsOther < 10);
    }

    void drawsCoverTheRangeEvenly()
    {
        RandomEngine random(9);
        constexpr int Bound = 6;
        constexpr int Draws = 60000;
        std::array<int, Bound> counts{};
        for (int i = 0; i < Draws; ++i) {
            const int value = random.below(Bound);
            QVERIFY(value >= 0 && value < Bound);
            ++counts[value];
        }
        for (int count : counts)
            QVERIFY2(count > Draws / Bound * 9 / 10 && count < Draws / Bound * 11 / 10,
                     qPrintable(QString::number(count)));
        QCOMPARE(random.below(1), 0);
    }

    void largeBoundsStayInRange()
    {
        RandomEngine random(1);
        for (int i = 0; i < 1000; ++i) {
            const int value = random.below(2147483647);
            QVERIFY(value >= 0);
        }
    }
};

TW_REGISTER_TEST(TestRandomEngine)
#include "tst_randomengine.moc"
