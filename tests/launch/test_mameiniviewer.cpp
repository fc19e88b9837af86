#include "launch/MameIniViewer.h"

#include "emulator_settings/MameIni.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using velmora::platform::MessageAnswer;
using namespace velmora::testing;

namespace {

const QString kTitle = QStringLiteral("Mame.Ini");
const MameIniStatus kInstalled{true, QString()};

// The real path layer; a settings layer of `settingsLines` lines stands in for BuildIni.
struct ViewerRig
{
    TempProgram tp;
    Preferences prefs = tp.standardPreferences();
    int settingsLines = 0;
    QString otherCommands;
    QString shown;
    LaunchServices services;

    ViewerRig()
    {
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + QStringLiteral("/pong.zip"), "");
        CreateMAMEIni(prefs);
        services.settingsFileFor = [](const QString&, const QString& type) {
            return type == QLatin1String("Raster") ? QStringLiteral("raster.cfg") : QString();
        };
        services.buildIni = [this](const QString&, const QString&, RecordPlayback) {
            QFile ini(mameIniPath(prefs));
            ini.open(QIODevice::Append);
            ini.write(QByteArray("option\tvalue\r\n").repeated(settingsLines));
            return std::optional<QString>(otherCommands);
        };
        services.createMameIni = [this](QString* error) { return CreateMAMEIni(prefs, error); };
    }

    std::optional<LaunchResult> view(const MameIniStatus& status = kInstalled,
                                     const QString& type = QStringLiteral("Raster"))
    {
        return viewMameIni(SelectedGame{QStringLiteral("pong"), {}, type, ListKind::All}, {},
                           status, prefs, services, {},
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
        const QByteArray pathLayer = TempProgram::readFile(mameIniPath(rig.prefs));
        rig.settingsLines = 50 - int(pathLayer.count("\r\n"));
        rig.otherCommands = QStringLiteral("-Video None");
        box.expect(QStringLiteral("The following other commands will run as command-line options "
                                  "and override the settings in the mame.ini.\r\r-Video None"),
                   MessageAnswer::Ok, QStringLiteral("Other Commands"));
        QVERIFY(rig.view());
        QVERIFY(rig.shown.startsWith(QString::fromUtf8(pathLayer)) &&
                rig.shown.endsWith(QStringLiteral("option\tvalue\r\n")));
        QCOMPARE(TempProgram::readFile(mameIniPath(rig.prefs)), pathLayer);

        // 50 lines are complete, 49 are not; a game of no settings type shows the path layer
        // alone.
        const QString incomplete = QStringLiteral("The mame.ini is incomplete because you have "
                                                  "not made any option changes.  M.A.M.E. "
                                                  "defaults will be used.");
        rig.otherCommands.clear();
        rig.settingsLines -= 1;
        box.expect(incomplete, MessageAnswer::Ok, kTitle);
        QVERIFY(rig.view());
        box.expect(incomplete, MessageAnswer::Ok, kTitle);
        QVERIFY(rig.view(kInstalled, QStringLiteral("LCD")));

        // It needs an installed game and a mame.ini.
        const MameIniStatus notInstalled[] = {{false, QString()},
                                              {true, QStringLiteral("Not Installed")}};
        for (const MameIniStatus& status : notInstalled) {
            box.expect(QStringLiteral("An installed game must first be selected!"),
                       MessageAnswer::Ok, kTitle);
            QVERIFY(!rig.view(status));
        }
        QFile::remove(mameIniPath(rig.prefs));
        box.expect(QStringLiteral("Cannot find mame.ini!"), MessageAnswer::Ok, kTitle);
        QVERIFY(!rig.view() && !QFile::exists(mameIniPath(rig.prefs)));
        QVERIFY(box.allExpectedShown());
    }
};

QTEST_GUILESS_MAIN(TestMameIniViewer)
#include "test_mameiniviewer.moc"
