// After OK the main window reloads the lists only when something they are built from changed, and
// the screenshot only when what it shows may have changed.
#include "app/OptionsApply.h"

#include <QTest>
#include <functional>

using namespace velmora;

class TestOptionsApply : public QObject
{
    Q_OBJECT
private slots:
    void nothingChangedMeansNoReload()
    {
        const Preferences p;
        const OptionsApplyDecision d = decideOptionsApply(p, p);
        QVERIFY(!d.refreshLists);
        QVERIFY(!d.reloadScreenshot);
    }

    void listInputsTriggerARefresh_data()
    {
        QTest::addColumn<int>("change");
        for (int i = 0; i < kHideFlagCount; ++i)
            QTest::addRow("hide flag %d", i) << i;
        QTest::addRow("year") << 100;
        QTest::addRow("font size") << 101;
        QTest::addRow("MAME folder") << 102;
        QTest::addRow("ROMs folder") << 103;
        QTest::addRow("additional ROMs folder") << 104;
    }

    void listInputsTriggerARefresh()
    {
        QFETCH(int, change);
        const Preferences before;
        Preferences after = before;
        if (change < kHideFlagCount)
            after.hide[change] = true;
        else if (change == 100)
            after.year = QStringLiteral("1990");
        else if (change == 101)
            after.fontSize = QStringLiteral("10");
        else if (change == 102)
            after.setFolder(DataFolder::MAME, QStringLiteral("/m"));
        else if (change == 103)
            after.setFolder(DataFolder::ROMs, QStringLiteral("/m/roms"));
        else
            after.setFolder(DataFolder::AdditionalROMs, QStringLiteral("/more"));
        QVERIFY(decideOptionsApply(before, after).refreshLists);
        QVERIFY(!decideOptionsApply(before, after).reloadScreenshot);
    }

    void appearanceAndOtherFoldersNeedNoRefresh()
    {
        const Preferences before;
        const std::function<void(Preferences&)> changes[] = {
            [](Preferences& p) { p.backColor = 0; },
            [](Preferences& p) { p.fontColor = 0xFF; },
            [](Preferences& p) { p.useStarfield = true; },
            [](Preferences& p) { p.disableHotKeys = true; },
            [](Preferences& p) { p.setFolder(DataFolder::Samples, QStringLiteral("/s")); },
            [](Preferences& p) { p.setFolder(DataFolder::Ini, QStringLiteral("/i")); },
            [](Preferences& p) { p.setFolder(DataFolder::Comments, QStringLiteral("/c")); },
        };
        for (const auto& change : changes) {
            Preferences after = before;
            change(after);
            QVERIFY(!decideOptionsApply(before, after).refreshLists);
            QVERIFY(!decideOptionsApply(before, after).reloadScreenshot);
        }
    }

    void screenshotFollowsCloneShotsAndSnapshotFolder()
    {
        const Preferences before;
        Preferences after = before;
        after.cloneShots = true;
        QVERIFY(decideOptionsApply(before, after).reloadScreenshot);
        QVERIFY(!decideOptionsApply(before, after).refreshLists);
        after = before;
        after.setFolder(DataFolder::Snapshots, QStringLiteral("/snap"));
        QVERIFY(decideOptionsApply(before, after).reloadScreenshot);
    }
};

QTEST_GUILESS_MAIN(TestOptionsApply)
#include "test_optionsapply.moc"
