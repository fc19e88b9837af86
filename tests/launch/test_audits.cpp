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
using namespace velmora::testing;

namespace {

// A program folder with awkward names, run through the real command runner and a fake mame.
struct AuditRig
{
    TempProgram tp{QStringLiteral("audit $(touch pwned)"), QStringLiteral("prog 'one'; é"),
                   QStringLiteral("mame dir")};
    Preferences prefs = tp.standardPreferences();
    FakeMame mame{tp.mameFolder()};
    LaunchServices services = launchServicesFor(prefs, tp.paths().settingsFolder());
    QStringList reports() const { return QDir(tp.paths().reportsFolder()).entryList(QDir::Files); }
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
        // The error stream of -verifysamples reaches the report, then the sample list.
        QVERIFY(r.text.contains(QStringLiteral("\r\n\r\n\r\nSamples\r\n\r\nromset \"puckman\" not "
                                               "found!\r\nSamples required for driver \"005\".")));
        QCOMPARE(r.text.mid(r.samplesHeading, 7), QStringLiteral("Samples"));
        QCOMPARE(rig.reports(), QStringList());
        QVERIFY(!QFile::exists(rig.tp.mameFolder() + QStringLiteral("/pwned")));
    }

    // The set audits ask first and keep MAME's report for Last ROMs (or Samples) Report, which
    // tells when there is none yet.
    void setAuditsAskAndKeepMamesReport()
    {
        ScriptedMessageBox box;
        AuditRig rig;
        const QString ask =
            QStringLiteral("This could take a long time.  Do you want to continue?");
        box.expect(ask, MessageAnswer::No, QStringLiteral("Confirm Continue"));
        QVERIFY(!confirmSetAudit());
        box.expect(ask, MessageAnswer::Yes, QStringLiteral("Confirm Continue"));
        QVERIFY(confirmSetAudit());
        QCOMPARE(box.shown().first().buttons, platform::MessageButtons::YesNo);
        for (const auto& [kind, name] :
             {std::pair{SetKind::Roms, "ROMs"}, {SetKind::Samples, "Samples"}}) {
            box.expect(QStringLiteral("Cannot find %1 report.  You can create one from the Reports "
                                      "pull-down menu above.")
                           .arg(name),
                       MessageAnswer::Ok, QStringLiteral("Last %1 Report").arg(name));
            QVERIFY(!lastSetReport(kind, rig.tp.paths()));
        }
        QVERIFY(box.allExpectedShown());

        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-all.txt"));
        rig.mame.answer(QStringLiteral("-verifysamples"), fixturePath("verifysamples-all.txt"));
        const QString roms = runSetAudit(SetKind::Roms, rig.tp.paths(), rig.services.exec);
        QVERIFY(roms.endsWith(QStringLiteral("\r\n4 romsets found, 3 were OK.\r\n")));
        runSetAudit(SetKind::Samples, rig.tp.paths(), rig.services.exec);
        QCOMPARE(rig.reports(), QStringList({"roms.txt", "samples.txt"}));
        QCOMPARE(lastSetReport(SetKind::Roms, rig.tp.paths()), std::optional<QString>(roms));

        // A MAME that ends without a word leaves an empty report.
        rig.mame.setSilentExit(3);
        QCOMPARE(runSetAudit(SetKind::Roms, rig.tp.paths(), rig.services.exec), QString());
    }
};

QTEST_GUILESS_MAIN(TestAudits)
#include "test_audits.moc"
