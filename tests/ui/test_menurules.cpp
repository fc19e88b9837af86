// The menu enabling rules on their own: every list, busy or not, the documents on show and a
// running web request.
#include "ui/MenuRules.h"

#include <QTest>

using namespace velmora;

namespace {

MenuContext context(const char* list, int installed = 3, int uninstalled = 3,
                    const char* settings = "Default Settings")
{
    MenuContext c;
    c.listCaption = QString::fromLatin1(list);
    c.installedCount = installed;
    c.uninstalledCount = uninstalled;
    c.settingsPanel = QString::fromLatin1(settings);
    return c;
}

QByteArray bits(const FileMenuState& s)
{
    return QByteArray() + (s.play ? 'P' : '-') + (s.verify ? 'A' : '-') + (s.info ? 'I' : '-') +
           (s.exportList ? 'E' : '-');
}

} // namespace

class TestMenuRules : public QObject
{
    Q_OBJECT
private slots:
    void fileMenu()
    {
        QCOMPARE(bits(fileMenuState(context("All Games"))), QByteArray("PAIE"));
        QCOMPARE(bits(fileMenuState(context("All Games", 3, 3, "Not Installed"))),
                 QByteArray("-AIE"));
        QCOMPARE(bits(fileMenuState(context("Installed Games"))), QByteArray("PAIE"));
        QCOMPARE(bits(fileMenuState(context("Installed Games", 0))), QByteArray("----"));
        QCOMPARE(bits(fileMenuState(context("Uninstalled Games"))), QByteArray("-AIE"));
        QCOMPARE(bits(fileMenuState(context("Uninstalled Games", 3, 0))), QByteArray("----"));
        MenuContext busy = context("All Games");
        busy.busy = true;
        QCOMPARE(bits(fileMenuState(busy)), QByteArray("----"));
    }

    void viewToolsAndReports()
    {
        MenuContext c = context("All Games", 3, 3, "Not Installed");
        QVERIFY(viewMenuEnabled(c));
        const auto tools = [](const MenuContext& m) {
            const ToolsMenuState t = toolsMenuState(m);
            return QByteArray() + (t.custom ? 'C' : '-') + (t.raster ? 'R' : '-') +
                   (t.vector ? 'V' : '-') + (t.rebuildSettings ? 'B' : '-') +
                   (t.maintenance ? 'M' : '-') + (t.options ? 'O' : '-');
        };
        QCOMPARE(tools(c), QByteArray("-RVBMO"));
        QCOMPARE(tools(context("All Games")), QByteArray("CRVBMO"));
        QCOMPARE(tools(context("Installed Games", 1)), QByteArray("CRVBMO"));
        QCOMPARE(tools(context("Installed Games", 0)), QByteArray("-RVBMO"));
        QCOMPARE(tools(context("Uninstalled Games")), QByteArray("-RVBMO"));
        QVERIFY(reportsMenuState(c).reports && !reportsMenuState(c).mameDiff);
        c.mameDiffPresent = true;
        QVERIFY(reportsMenuState(c).mameDiff);
        c.busy = true;
        QVERIFY(!viewMenuEnabled(c));
        QCOMPARE(tools(c), QByteArray("------"));
        QVERIFY(!reportsMenuState(c).reports && !reportsMenuState(c).mameDiff);
    }

    void helpMenuOffersTheOtherDocuments()
    {
        const auto help = [](const MenuContext& m) {
            const HelpMenuState h = helpMenuState(m);
            return QByteArray() + (h.velmora ? 'V' : '-') + (h.newvideo ? 'N' : '-') +
                   (h.windows ? 'W' : '-') + (h.news ? 'U' : '-') + (h.checkForUpdates ? 'C' : '-');
        };
        MenuContext c = context("All Games");
        QCOMPARE(help(c), QByteArray("VNWUC"));
        c.busy = true;
        c.reportCaption = kWindowsDocument;
        QCOMPARE(help(c), QByteArray("VN---"));
        c.reportCaption = kVelmoraDocument;
        QCOMPARE(help(c).left(3), QByteArray("-NW"));
        c.reportCaption = QStringLiteral("Game Audit");
        QCOMPARE(help(c), QByteArray("-----"));
        c.busy = false;
        c.networkBusy = true;
        QCOMPARE(help(c), QByteArray("VNW--"));
    }
};

QTEST_GUILESS_MAIN(TestMenuRules)
#include "test_menurules.moc"
