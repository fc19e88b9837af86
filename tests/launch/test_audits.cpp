#include "launch/GameAudit.h"
#include "launch/LaunchServices.h"
#include "launch/SetAudit.h"

#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QTest>

using namespace velmora;
using velmora::platform::MessageAnswer;
using velmora::testing::FakeMame;
using velmora::testing::fixturePath;
using velmora::testing::ScriptedMessageBox;
using velmora::testing::TempProgram;

namespace {

// A program folder with awkward names, run through the real command runner and a fake mame.
struct AuditRig
{
    TempProgram tp{QStringLiteral("audit $(touch pwned)"), QStringLiteral("prog 'one'; é"),
                   QStringLiteral("mame dir")};
    Preferences prefs = tp.standardPreferences();
    FakeMame mame{tp.mameFolder()};
    LaunchServices services = launchServicesFor(prefs, tp.paths().settingsFolder());

    QStringList reportFiles() const
    {
        return QDir(tp.paths().reportsFolder()).entryList(QDir::Files);
    }
};

} // namespace

class TestAudits : public QObject
{
    Q_OBJECT
private slots:
    void gameAuditRunsFourCommandsAndLeavesNoFiles()
    {
        AuditRig rig;
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-puckman.txt"));
        rig.mame.answer(QStringLiteral("-listroms"), fixturePath("listroms-puckman.txt"));
        rig.mame.answer(QStringLiteral("-listsamples"), fixturePath("listsamples-005.txt"));
        rig.mame.answer(QStringLiteral("-verifysamples"), fixturePath("verifyroms-missing.err"),
                        FakeMame::ErrorStream);

        const GameAuditReport r =
            runGameAudit(QStringLiteral("puckman"), rig.tp.paths(), rig.services.exec);
        QCOMPARE(rig.mame.calls(), QStringList({"puckman -verifyroms", "puckman -verifysamples",
                                                "puckman -listroms", "puckman -listsamples"}));
        QVERIFY(r.text.startsWith(QStringLiteral("ROMs\r\n\r\nromset puckman is good\r\n"
                                                 "1 romsets found, 1 were OK.\r\n"
                                                 "ROMs required for driver \"puckman\".\r\n")));
        // The error stream reaches the report; then the sample list.
        QVERIFY(r.text.contains(QStringLiteral("\r\n\r\n\r\nSamples\r\n\r\nromset \"puckman\" not "
                                               "found!\r\nSamples required for driver \"005\".")));
        QCOMPARE(r.text.mid(r.samplesHeading, 7), QStringLiteral("Samples"));
        QCOMPARE(rig.reportFiles(), QStringList());
        QVERIFY(!QFile::exists(rig.tp.mameFolder() + QStringLiteral("/pwned")));
    }

    void setAuditKeepsMamesReport()
    {
        AuditRig rig;
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-all.txt"));
        rig.mame.answer(QStringLiteral("-verifysamples"), fixturePath("verifysamples-all.txt"));

        const QString roms = runSetAudit(SetKind::Roms, rig.tp.paths(), rig.services.exec);
        QCOMPARE(rig.mame.arguments(), QStringList({"*", "-verifyroms"}));
        QVERIFY(roms.endsWith(QStringLiteral("\r\n4 romsets found, 3 were OK.\r\n")));
        const QString samples = runSetAudit(SetKind::Samples, rig.tp.paths(), rig.services.exec);
        QCOMPARE(rig.mame.arguments(), QStringList({"*", "-verifysamples"}));
        QVERIFY(samples.contains(QStringLiteral("samplesets found")));
        QCOMPARE(rig.reportFiles(), QStringList({"roms.txt", "samples.txt"}));
        QCOMPARE(lastSetReport(SetKind::Roms, rig.tp.paths()), std::optional<QString>(roms));

        // A MAME that ends without a word leaves an empty report.
        rig.mame.setSilentExit(3);
        QCOMPARE(runSetAudit(SetKind::Roms, rig.tp.paths(), rig.services.exec), QString());
    }

    // The set audits ask first; a missing saved report is told.
    void messages()
    {
        ScriptedMessageBox box;
        const QString ask =
            QStringLiteral("This could take a long time.  Do you want to continue?");
        box.expect(ask, MessageAnswer::No, QStringLiteral("Confirm Continue"));
        QVERIFY(!confirmSetAudit());
        box.expect(ask, MessageAnswer::Yes, QStringLiteral("Confirm Continue"));
        QVERIFY(confirmSetAudit());
        QCOMPARE(box.shown().first().buttons, platform::MessageButtons::YesNo);

        TempProgram tp;
        for (const auto& [kind, name] :
             {std::pair{SetKind::Roms, "ROMs"}, {SetKind::Samples, "Samples"}}) {
            box.expect(QStringLiteral("Cannot find %1 report.  You can create one from the Reports "
                                      "pull-down menu above.")
                           .arg(name),
                       MessageAnswer::Ok, QStringLiteral("Last %1 Report").arg(name));
            QVERIFY(!lastSetReport(kind, tp.paths()));
        }
        QVERIFY(box.allExpectedShown());
    }
};

QTEST_GUILESS_MAIN(TestAudits)
#include "test_audits.moc"
