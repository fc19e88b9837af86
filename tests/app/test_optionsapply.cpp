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
    void decidesWhatToReload()
    {
        using P = Preferences&;
        const struct
        {
            const char* name;
            std::function<void(Preferences&)> apply;
            bool refresh, screenshot;
        } cases[] = {
            {"nothing", [](P) {}, false, false},
            {"first hide flag", [](P p) { p.hide[0] = true; }, true, false},
            {"last hide flag", [](P p) { p.hide[kHideFlagCount - 1] = true; }, true, false},
            {"year", [](P p) { p.year = "1990"; }, true, false},
            {"font size", [](P p) { p.fontSize = "10"; }, true, false},
            {"MAME folder", [](P p) { p.setFolder(DataFolder::MAME, "/m"); }, true, false},
            {"ROMs folder", [](P p) { p.setFolder(DataFolder::ROMs, "/r"); }, true, false},
            {"extra ROMs", [](P p) { p.setFolder(DataFolder::AdditionalROMs, "/a"); }, true, false},
            {"back colour", [](P p) { p.backColor = 0; }, false, false},
            {"font colour", [](P p) { p.fontColor = 0xFF; }, false, false},
            {"star field", [](P p) { p.useStarfield = true; }, false, false},
            {"hot keys", [](P p) { p.disableHotKeys = true; }, false, false},
            {"samples", [](P p) { p.setFolder(DataFolder::Samples, "/s"); }, false, false},
            {"ini folder", [](P p) { p.setFolder(DataFolder::Ini, "/i"); }, false, false},
            {"comments", [](P p) { p.setFolder(DataFolder::Comments, "/c"); }, false, false},
            {"clone shots", [](P p) { p.cloneShots = true; }, false, true},
            {"snapshots", [](P p) { p.setFolder(DataFolder::Snapshots, "/sn"); }, false, true}};
        for (const auto& c : cases) {
            const Preferences before;
            Preferences after = before;
            c.apply(after);
            const OptionsApplyDecision d = decideOptionsApply(before, after);
            QVERIFY2(d.refreshLists == c.refresh && d.reloadScreenshot == c.screenshot, c.name);
        }
    }
};

QTEST_GUILESS_MAIN(TestOptionsApply)
#include "test_optionsapply.moc"
