// The menu enabling rules on their own: every list, busy or not, the documents on show and a
// running web request.
#include "ui/MenuRules.h"

#include <QTest>

using namespace velmora;

namespace {

// Every menu's items as one string: a letter for each item that is on, '-' for one that is off.
// File PAIE, the View menu '|', Tools CRVBMO, the reports '|' and MAMEDiff D, then Help: the
// Velmora document '|', N(ewvideo), W(indows), U (the news) and C(heck for updates).
QByteArray menus(const MenuContext& c)
{
    const FileMenuState f = fileMenuState(c);
    const ToolsMenuState t = toolsMenuState(c);
    const ReportsMenuState r = reportsMenuState(c);
    const HelpMenuState h = helpMenuState(c);
    const bool on[] = {
        f.play,    f.verify,  f.info,           f.exportList,      viewMenuEnabled(c),
        t.custom,  t.raster,  t.vector,         t.rebuildSettings, t.maintenance,
        t.options, r.reports, r.mameDiff,       h.velmora,         h.newvideo,
        h.windows, h.news,    h.checkForUpdates};
    QByteArray out = "PAIE|CRVBMO|D|NWUC";
    for (int i = 0; i < out.size(); ++i)
        out[i] = on[i] ? out[i] : '-';
    return out;
}

} // namespace

class TestMenuRules : public QObject
{
    Q_OBJECT
private slots:
    void everyMenuFollowsItsContext()
    {
        // Busy, list, installed and uninstalled counts, settings panel, report on show, mamediff
        // present, web request running, a game shown (a search found none).
        const std::pair<MenuContext, const char*> cases[] = {
            {{false, "All Games", 3, 3, "", {}, false, false}, "PAIE|CRVBMO|-|NWUC"},
            {{false, "All Games", 3, 3, "Not Installed", {}, true, false}, "-AIE|-RVBMO|D|NWUC"},
            {{false, "Installed Games", 1, 3, "", {}, false, true}, "PAIE|CRVBMO|-|NW--"},
            {{false, "Installed Games", 0, 3, "", {}, false, false}, "----|-RVBMO|-|NWUC"},
            {{false, "Uninstalled Games", 3, 3, "", {}, false, false}, "-AIE|-RVBMO|-|NWUC"},
            {{false, "Uninstalled Games", 3, 0, "", {}, false, false}, "----|-RVBMO|-|NWUC"},
            {{false, "All Games", 3, 3, "", {}, false, false, false}, "---E|-RVBMO|-|NWUC"},
            {{false, "Installed Games", 1, 3, "", {}, false, false, false}, "---E|-RVBMO|-|NWUC"},
            {{true, "All Games", 3, 3, "", kWindowsDocument, true, false}, "-------------|N---"},
            {{true, "All Games", 3, 3, "", kVelmoraDocument, false, false}, "--------------NW--"},
            {{true, "All Games", 3, 3, "", kNewvideoDocument, false, true}, "-------------|-W--"},
            {{true, "All Games", 3, 3, "", "Game Audit", false, false}, "------------------"}};
        for (const auto& [context, expected] : cases)
            QCOMPARE(menus(context), QByteArray(expected));
    }
};

QTEST_GUILESS_MAIN(TestMenuRules)
#include "test_menurules.moc"
