// The fixed choices of the preferences page: the hide-system list's order and flags, the year
// list, and the colour list with its default entries.
#include "app/ColorChoices.h"
#include "app/PreferenceChoices.h"

#include <QTest>

using namespace velmora;

class TestPreferenceChoices : public QObject
{
    Q_OBJECT
private slots:
    void hideSystemsAreSortedAndYearsEndLastYear()
    {
        // The list box's order: letter case and hyphens do not count.
        const auto key = [](const char* caption) { return QString(caption).remove('-').toLower(); };
        const auto& entries = hideSystemEntries();
        QSet<int> flags{int(entries[0].flag)};
        for (int i = 1; i < kHideSystemCount; ++i) {
            QVERIFY2(key(entries[i - 1].caption) < key(entries[i].caption), entries[i].caption);
            flags.insert(int(entries[i].flag));
        }
        QCOMPARE(flags.size(), kHideSystemCount);
        QVERIFY(!flags.contains(int(HideFlag::Clones)));
        // The year list runs from 1975 to last year.
        const QStringList years = yearChoices(2026);
        QCOMPARE(years.size(), 51);
        QCOMPARE(years.last(), QString("2025"));
    }

    void colorListHoldsTheDefaultsAndTheFirstMatchWins()
    {
        const QList<ColorChoice> plain = colorChoices(std::nullopt);
        QCOMPARE(plain[kDefaultBackColorIndex].value, 0);
        // The first-run colours are entries, so a first run shows no reverting message.
        QCOMPARE(indexOfColorValue(plain, kSystemWindowBackground), 5);
        QVERIFY(indexOfColorValue(plain, kSystemButtonShadow) >= 0);
        QCOMPARE(indexOfColorValue(plain, rgbColorValue(1, 2, 3)), -1);

        const ReportedSystemColors reported{rgbColorValue(10, 20, 30), rgbColorValue(40, 50, 60),
                                            0};
        const QList<ColorChoice> full = colorChoices(reported);
        QCOMPARE(full.size(), plain.size() + 3);
        // A value shared with an earlier entry selects the earlier one.
        QCOMPARE(indexOfColorValue(full, 0), kDefaultBackColorIndex);
    }
};

QTEST_GUILESS_MAIN(TestPreferenceChoices)
#include "test_preferencechoices.moc"
