#include "launch/MameIniViewer.h"

#include "emulator_settings/MameIni.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using velmora::platform::MessageAnswer;
using velmora::testing::ScriptedMessageBox;
using velmora::testing::TempProgram;

namespace {

const QString kIncomplete = QStringLiteral("The mame.ini is incomplete because you have not made "
                                           "any option changes.  M.A.M.E. defaults will be used.");
const MameIniStatus kInstalled{QStringLiteral("Total Games: 3"),
                               QStringLiteral("Default Settings")};

// The real path layer; a settings layer of `settingsLines` lines stands in for BuildIni.
struct ViewerRig
{
    TempProgram tp;
    Preferences prefs = tp.standardPreferences();
    int settingsLines = 120;
    QString otherCommands;
    QString shown;
    int execs = 0;

    ViewerRig()
    {
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + QStringLiteral("/pong.zip"), "");
        CreateMAMEIni(prefs);
    }

    QString mameIni() const { return mameIniPath(prefs); }

    LaunchServices services()
    {
        LaunchServices s;
        s.settingsFileFor = [](const QString&, const QString& type) {
            return type == QLatin1String("Raster") ? QStringLiteral("raster.cfg") : QString();
        };
        s.buildIni = [this](const QString&, const QString&, RecordPlayback) {
            QFile ini(mameIni());
            ini.open(QIODevice::Append);
            for (int i = 0; i < settingsLines; ++i)
                ini.write("option\tvalue\r\n");
            return std::optional<QString>(otherCommands);
        };
        s.createMameIni = [this](QString* error) { return CreateMAMEIni(prefs, error); };
        s.exec = [this](const QString&, WindowStyle) { return ++execs, ExecOutcome::Ran; };
        return s;
    }

    std::optional<LaunchResult> view(const MameIniStatus& status = kInstalled,
                                     const QString& type = QStringLiteral("Raster"))
    {
        return viewMameIni(SelectedGame{QStringLiteral("pong"), {}, type, ListKind::All}, {},
                           status, prefs, services(), {},
                           [this](const QString& text) { shown = text; });
    }
};

} // namespace

class TestMameIniViewer : public QObject
{
    Q_OBJECT
private slots:
    void showsTheGamesMameIniAndResetsIt()
    {
        ScriptedMessageBox box;
        ViewerRig rig;
        const QByteArray pathLayer = TempProgram::readFile(rig.mameIni());
        rig.otherCommands = QStringLiteral("-Video None");
        box.expect(QStringLiteral("The following other commands will run as command-line options "
                                  "and override the settings in the mame.ini.\r\r-Video None"),
                   MessageAnswer::Ok, QStringLiteral("Other Commands"));
        QVERIFY(rig.view());
        QVERIFY(rig.shown.startsWith(QString::fromUtf8(pathLayer)));
        QVERIFY(rig.shown.endsWith(QStringLiteral("option\tvalue\r\n")));
        QVERIFY(box.allExpectedShown());
        // MAME never ran, and mame.ini holds its path layer again.
        QCOMPARE(rig.execs, 0);
        QCOMPARE(TempProgram::readFile(rig.mameIni()), pathLayer);
    }

    // 49 lines or fewer are called incomplete; 50 are complete; a game of no settings type
    // shows the path layer alone.
    void incompleteOrMissingMameIni()
    {
        ScriptedMessageBox box;
        ViewerRig rig;
        rig.settingsLines = 49 - int(TempProgram::readFile(rig.mameIni()).count("\r\n"));
        box.expect(kIncomplete, MessageAnswer::Ok, QStringLiteral("Mame.Ini"));
        QVERIFY(rig.view());
        rig.settingsLines += 1;
        QVERIFY(rig.view());
        box.expect(kIncomplete, MessageAnswer::Ok, QStringLiteral("Mame.Ini"));
        QVERIFY(rig.view(kInstalled, QStringLiteral("LCD")));
        QCOMPARE(box.shown().size(), 2);

        // It needs an installed game and a mame.ini.
        const QString select = QStringLiteral("An installed game must first be selected!");
        box.expect(select, MessageAnswer::Ok, QStringLiteral("Mame.Ini"));
        QVERIFY(!rig.view({QStringLiteral("Total Games: 0"), QString()}));
        box.expect(select, MessageAnswer::Ok, QStringLiteral("Mame.Ini"));
        QVERIFY(!rig.view({QStringLiteral("Total Games: 5"), QStringLiteral("Not Installed")}));
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Exclamation);

        QFile::remove(rig.mameIni());
        box.expect(QStringLiteral("Cannot find mame.ini!"), MessageAnswer::Ok,
                   QStringLiteral("Mame.Ini"));
        QVERIFY(!rig.view() && !QFile::exists(rig.mameIni()));
    }
};

QTEST_GUILESS_MAIN(TestMameIniViewer)
#include "test_mameiniviewer.moc"
