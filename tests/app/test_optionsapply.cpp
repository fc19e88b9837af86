// After OK the main window reloads the lists only when something they are built from changed, and
// the screenshot only when what it shows may have changed.
#include "app/OptionsApply.h"

#include <QTest>
#include <functional>

using namespace velmora;

namespace {

struct Change
{
    const char* name;
    std::function<void(Preferences&)> apply;
    bool refresh;
    bool screenshot;
};

const std::vector<Change>& changes()
{
    static const std::vector<Change> table{
        {"nothing", [](Preferences&) {}, false, false},
        {"first hide flag", [](Preferences& p) { p.hide[0] = true; }, true, false},
        {"last hide flag", [](Preferences& p) { p.hide[kHideFlagCount - 1] = true; }, true, false},
        {"year", [](Preferences& p) { p.year = "1990"; }, true, false},
        {"font size", [](Preferences& p) { p.fontSize = "10"; }, true, false},
        {"MAME folder", [](Preferences& p) { p.setFolder(DataFolder::MAME, "/m"); }, true, false},
        {"ROMs folder", [](Preferences& p) { p.setFolder(DataFolder::ROMs, "/r"); }, true, false},
        {"additional ROMs", [](Preferences& p) { p.setFolder(DataFolder::AdditionalROMs, "/a"); },
         true, false},
        {"back colour", [](Preferences& p) { p.backColor = 0; }, false, false},
        {"font colour", [](Preferences& p) { p.fontColor = 0xFF; }, false, false},
        {"star field", [](Preferences& p) { p.useStarfield = true; }, false, false},
        {"hot keys", [](Preferences& p) { p.disableHotKeys = true; }, false, false},
        {"samples folder", [](Preferences& p) { p.setFolder(DataFolder::Samples, "/s"); }, false,
         false},
        {"ini folder", [](Preferences& p) { p.setFolder(DataFolder::Ini, "/i"); }, false, false},
        {"comments folder", [](Preferences& p) { p.setFolder(DataFolder::Comments, "/c"); }, false,
         false},
        {"clone shots", [](Preferences& p) { p.cloneShots = true; }, false, true},
        {"snapshot folder", [](Preferences& p) { p.setFolder(DataFolder::Snapshots, "/sn"); },
         false, true},
    };
    return table;
}

} // namespace

class TestOptionsApply : public QObject
{
    Q_OBJECT
private slots:
    void decidesWhatToReload_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(changes().size()); ++i)
            QTest::newRow(changes()[i].name) << i;
    }

    void decidesWhatToReload()
    {
        QFETCH(int, row);
        const Change& c = changes()[row];
        const Preferences before;
        Preferences after = before;
        c.apply(after);
        const OptionsApplyDecision d = decideOptionsApply(before, after);
        QCOMPARE(d.refreshLists, c.refresh);
        QCOMPARE(d.reloadScreenshot, c.screenshot);
    }
};

QTEST_GUILESS_MAIN(TestOptionsApply)
#include "test_optionsapply.moc"
