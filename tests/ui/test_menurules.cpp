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
        ToolsMenuState t = toolsMenuState(c);
        QVERIFY(t.raster && t.vector && t.rebuildSettings && t.maintenance && t.options);
        QVERIFY(!t.custom);
        QVERIFY(toolsMenuState(context("All Games")).custom);
        QVERIFY(toolsMenuState(context("Installed Games", 1)).custom);
        QVERIFY(!toolsMenuState(context("Installed Games", 0)).custom);
        QVERIFY(!toolsMenuState(context("Uninstalled Games")).custom);

        ReportsMenuState r = reportsMenuState(c);
        QVERIFY(r.reports && !r.mameDiff);
        c.mameDiffPresent = true;
        QVERIFY(reportsMenuState(c).mameDiff);

        c.busy = true;
        QVERIFY(!viewMenuEnabled(c));
        t = toolsMenuState(c);
        QVERIFY(!t.raster && !t.vector && !t.custom && !t.rebuildSettings && !t.maintenance &&
                !t.options);
        r = reportsMenuState(c);
        QVERIFY(!r.reports && !r.mameDiff);
    }

    void helpMenuOffersTheOtherDocuments()
    {
        MenuContext c = context("All Games");
        HelpMenuState h = helpMenuState(c);
        QVERIFY(h.velmora && h.newvideo && h.windows && h.news && h.checkForUpdates);

        c.busy = true;
        c.reportCaption = kWindowsDocument;
        h = helpMenuState(c);
        QVERIFY(h.velmora && h.newvideo && !h.windows && !h.news && !h.checkForUpdates);
        c.reportCaption = kVelmoraDocument;
        h = helpMenuState(c);
        QVERIFY(!h.velmora && h.newvideo && h.windows);
        c.reportCaption = QStringLiteral("Game Audit");
        h = helpMenuState(c);
        QVERIFY(!h.velmora && !h.newvideo && !h.windows && !h.news && !h.checkForUpdates);

        c.busy = false;
        c.networkBusy = true;
        h = helpMenuState(c);
        QVERIFY(h.velmora && h.windows && !h.news && !h.checkForUpdates);
    }
};

QTEST_GUILESS_MAIN(TestMenuRules)
#include "test_menurules.moc"
