// Rebuild Settings: the files it checks (and the long names it cannot find), what it resets and
// reports, the report file's layout and the path that finds nothing wrong.
#include "SettingsFixtures.h"
#include "emulator_settings/RebuildSettings.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kConfirm = QStringLiteral(
    "This will check the values in all your setting files to see if they are compatible with "
    "this version of Velmora.  If any incompatible values are found, they will be set to "
    "M.A.M.E. defaults.  This will not check the value names so you will have to open Raster "
    "Settings, Vector Settings, and each Custom Settings and re-save them to correct name "
    "changes.  Do you want to continue?");

} // namespace

class TestRebuildSettings : public QObject
{
    Q_OBJECT

private slots:
    // Rebuild Settings asks first; it then checks every settings file but those whose long names
    // it cannot find, resets and reports what is invalid, and leaves no report when all is well.
    void confirmsRepairsAndReports()
    {
        TempProgram tp;
        const ProgramPaths paths = tp.paths();
        TempProgram::writeFile(tp.paths().optionsIni(), "[View]\r\n");
        TempProgram::writeFile(tp.paths().setting(QStringLiteral("nostretch.ini")), "");
        ScriptedMessageBox box;
        box.expect(QStringLiteral("There are no setting files."), platform::MessageAnswer::Ok,
                   QStringLiteral("Rebuild Settings"));
        QCOMPARE(confirmRebuildSettings(tp.paths()), RebuildStart::NoFiles);

        TempProgram::writeFile(tp.paths().setting(QStringLiteral("raster.cfg")), "");
        box.expect(kConfirm, platform::MessageAnswer::No, QStringLiteral("Confirm Continue"));
        QCOMPARE(confirmRebuildSettings(tp.paths()), RebuildStart::Declined);
        box.expect(kConfirm, platform::MessageAnswer::Yes);
        QCOMPARE(confirmRebuildSettings(tp.paths()), RebuildStart::Confirmed);
        QCOMPARE(box.shown().last().buttons, platform::MessageButtons::YesNo);

        // Bad values of each kind (list, box, over-long); a missing key only; a long name whose
        // bad value cannot be reached.
        const QString mslug = paths.setting(QStringLiteral("mslug.cfg"));
        TempProgram::writeFile(mslug,
                               "[Miscellaneous Options]\r\nBios=Neo-Geo: Japan\r\nCheat=x\r\n"
                               "[Game Screen Options]\r\nBrightness=" +
                                   QByteArray(300, '1') + "\r\n");
        TempProgram::writeFile(paths.setting(QStringLiteral("raster.cfg")),
                               "[Video Options]\r\nVideo=OpenGL\r\n"
                               "[Per-Window Video Options]\r\nResolution 0=9999x1@60\r\n");
        TempProgram::writeFile(paths.setting(QStringLiteral("vector.cfg")),
                               "[Vector Rendering Options]\r\nBeam=2.00\r\n");
        const QByteArray longFile = "[Video Options]\r\nVideo=Bad\r\n";
        TempProgram::writeFile(paths.setting(QStringLiteral("averyverylongname.cfg")), longFile);

        RebuildProgress progress;
        const RebuildReport report = RebuildSettings(paths, richLists(), progress);
        QVERIFY(report.anyReset);
        const QString expected = QStringLiteral("Filename\tSetting\r\n\r\n\r\n"
                                                "mslug.cfg      \tBios\r\n"
                                                "mslug.cfg      \tCheat\r\n"
                                                "mslug.cfg      \tBrightness\r\n\r\n"
                                                "raster.cfg     \tVideo\r\n"
                                                "raster.cfg     \tResolution\r\n\r\n");
        QCOMPARE(report.text, expected);
        QCOMPARE(TempProgram::readFile(rebuildReportFile(paths)), expected.toUtf8());
        QCOMPARE(rebuildProgressText(2, 3), QStringLiteral("Progress: 67%")); // rounded
        for (const auto& [option, value] : {std::pair{Option::Bios, "Default"},
                                            {Option::Cheat, "0"},
                                            {Option::Brightness, "1.00"}})
            QCOMPARE(ReadIniValue(mslug, sectionOf(option), keyOf(option), ""),
                     QLatin1String(value));
        // Missing keys are neither reported nor added.
        QVERIFY(!TempProgram::readFile(mslug).contains("Throttle"));
        QCOMPARE(TempProgram::readFile(paths.setting(QStringLiteral("averyverylongname.cfg"))),
                 longFile);

        // The viewer shows the saved report.
        QCOMPARE(*loadRebuildSettingsReport(paths), expected);

        // Everything is valid now: no report is left behind.
        const RebuildReport clean = RebuildSettings(paths, richLists(), progress);
        QCOMPARE(clean.text, kNoInvalidValues);
        QVERIFY(!QFile::exists(rebuildReportFile(paths)));
        box.expect(QStringLiteral("Cannot find Rebuild Settings report.  You can run Rebuild "
                                  "Settings from the Tools pull-down menu above and if errors are "
                                  "found it will create one for you."),
                   platform::MessageAnswer::Ok, QStringLiteral("Rebuild Settings Report"));
        QVERIFY(!loadRebuildSettingsReport(paths));
        QVERIFY(box.allExpectedShown());
    }
};

QTEST_GUILESS_MAIN(TestRebuildSettings)
#include "test_rebuildsettings.moc"
