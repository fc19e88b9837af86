// The fixed choices of the preferences page: the hide-system list's order and addressing, the year
// list, and the colour list with its default entries.
#include "app/ColorChoices.h"
#include "app/PreferenceChoices.h"

#include <QTest>

using namespace velmora;

namespace {

// The list box's order: letter case and hyphens do not count.
QString sortKey(const char* caption)
{
    return QString::fromLatin1(caption).remove(u'-').toLower();
}

} // namespace

class TestPreferenceChoices : public QObject
{
    Q_OBJECT
private slots:
    void hideSystemsAreInSortedOrderWithTheirFlags()
    {
        const auto& entries = hideSystemEntries();
        for (int i = 1; i < kHideSystemCount; ++i)
            QVERIFY2(sortKey(entries[i - 1].caption) < sortKey(entries[i].caption),
                     entries[i].caption);
        QCOMPARE(entries[4].flag, HideFlag::CVS);
        QCOMPARE(entries[7].flag, HideFlag::SegaC2);
        QCOMPARE(entries[8].flag, HideFlag::MPU4);
        QCOMPARE(entries[9].flag, HideFlag::MultiCassette);
        QCOMPARE(entries[14].flag, HideFlag::ZN);
        QCOMPARE(entries[16].flag, HideFlag::STV);
        // Every system flag appears once.
        QSet<int> flags;
        for (const auto& e : entries)
            flags.insert(int(e.flag));
        QCOMPARE(flags.size(), kHideSystemCount);
        QVERIFY(!flags.contains(int(HideFlag::Clones)));
        // "Velmora Choices" selects Max-A-Flex, Neo-Geo, PlayChoice-10 and the ZN entry.
        QCOMPARE(entries[kVelmoraChoiceSystems[0]].flag, HideFlag::MaxAFlex);
        QCOMPARE(entries[kVelmoraChoiceSystems[1]].flag, HideFlag::NeoGeo);
        QCOMPARE(entries[kVelmoraChoiceSystems[2]].flag, HideFlag::PlayChoice);
        QCOMPARE(entries[kVelmoraChoiceSystems[3]].flag, HideFlag::ZN);
    }

    void yearsRunFrom1975ToLastYear()
    {
        const QStringList years = yearChoices(2026);
        QCOMPARE(years.first(), QStringLiteral("1975"));
        QCOMPARE(years.last(), QStringLiteral("2025"));
        QCOMPARE(years.size(), 51);
        QVERIFY(!years.contains(QStringLiteral("2026")));
    }

    void colorListHoldsTheDefaultsAndFallsBackToBlack()
    {
        const QList<ColorChoice> plain = colorChoices(std::nullopt);
        QVERIFY(plain.size() >= 26 + kSystemColorCount);
        QCOMPARE(plain[kDefaultBackColorIndex].name, QStringLiteral("Black"));
        QCOMPARE(plain[kDefaultBackColorIndex].value, 0);
        // The first-run background and gradient colours are entries, so a first run shows no
        // reverting message.
        QCOMPARE(indexOfColorValue(plain, kSystemWindowBackground), 5);
        QCOMPARE(plain[5].name, QStringLiteral("Window Background"));
        QVERIFY(indexOfColorValue(plain, kSystemButtonShadow) >= 0);
        QCOMPARE(indexOfColorValue(plain, 0xFFFFFF), 26);
        QCOMPARE(indexOfColorValue(plain, rgbColorValue(1, 2, 3)), -1);

        const ReportedSystemColors reported{rgbColorValue(10, 20, 30), rgbColorValue(40, 50, 60),
                                            0};
        const QList<ColorChoice> full = colorChoices(reported);
        QCOMPARE(full.size(), plain.size() + 3);
        QCOMPARE(full[plain.size()].name, QStringLiteral("ActiveTitleBarGradient"));
        QCOMPARE(full[plain.size() + 1].value, rgbColorValue(40, 50, 60));
        QCOMPARE(full.last().name, QStringLiteral("HotTracking"));
        // A value shared with an earlier entry selects the earlier one.
        QCOMPARE(indexOfColorValue(full, 0), kDefaultBackColorIndex);
    }
};

QTEST_GUILESS_MAIN(TestPreferenceChoices)
#include "test_preferencechoices.moc"
