// Debian's real MAME 0.251 against a raster settings file that moves every control it reads away
// from its default, to values the panel offers once it knows this MAME (its -showusage in
// reports/showusage.txt): pong runs without MAME refusing a single value, and MAME's effective
// configuration holds every value of the settings layer.
#include "app/IniFile.h"
#include "emulator_settings/DefineCombos.h"
#include "emulator_settings/InstalledOptions.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/MamePathLinks.h"
#include "emulator_settings/SettingsLoader.h"
#include "launch/GameLaunch.h"
#include "support/RealMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;
using velmora::testing::ScriptedMessageBox;
using velmora::testing::TempProgram;

namespace {

const QByteArray kEmptyZip("PK\x05\x06" + QByteArray(18, '\0'));

QByteArray runMame(const QString& mameFolder, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(mameFolder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(mameFolder + QStringLiteral("/mame"), args);
    if (!p.waitForFinished(60000))
        p.kill();
    return p.readAll();
}

// A value other than the default that the panel offers for the control.
QString movedValue(Option option, const OptionLists& lists)
{
    switch (kindOf(option)) {
    case ControlKind::Check:
        return mameDefaultOf(option) == QLatin1String("1") ? QStringLiteral("0")
                                                           : QStringLiteral("1");
    case ControlKind::Text:
        return QStringLiteral("-seconds_to_run 2");
    case ControlKind::List:
        break;
    }
    if (option == Option::Video)
        return QStringLiteral("none"); // the one method that needs no screen
    const QStringList& entries = lists.entries(option);
    const QString byDefault = lists.defaultOf(option);
    return entries.last() != byDefault ? entries.last() : entries.first();
}

} // namespace

class TestEverySettingRealMame : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{QStringLiteral("velmora everysetting")};
    Preferences m_prefs;

private slots:
    void initTestCase()
    {
        USE_REAL_MAME(m_tp);
        m_prefs = m_tp.standardPreferences();
        m_prefs.setFolder(DataFolder::Ini, m_tp.makeFolder(QStringLiteral("home/.mame")));
        for (const auto& [folder, name] :
             {std::pair{DataFolder::Cfg, "cfg"}, std::pair{DataFolder::Ctrlr, "ctrlr"},
              std::pair{DataFolder::Artwork, "artwork"}, std::pair{DataFolder::Input, "inp"}})
            m_prefs.setFolder(folder, m_tp.makeFolder(QLatin1String(name)));
        QVERIFY(TempProgram::writeFile(m_prefs.folder(DataFolder::ROMs) + "/pong.zip", kEmptyZip));
        QVERIFY(TempProgram::writeFile(m_prefs.folder(DataFolder::Ctrlr) + "/mypad.cfg",
                                       "<?xml version=\"1.0\"?>\n<mameconfig version=\"10\">\n"
                                       "<system name=\"default\">\n</system>\n</mameconfig>\n"));
        QImage effect(1, 3, QImage::Format_ARGB32);
        effect.fill(Qt::white);
        QVERIFY(effect.save(m_prefs.folder(DataFolder::Artwork) + "/scan.png"));
        setMamePathLinkFolder(m_tp.paths().setting(QStringLiteral("mamepaths")));
        QVERIFY(CreateMAMEIni(m_prefs));
        const QByteArray usage =
            runMame(m_prefs.folder(DataFolder::MAME), {QStringLiteral("-showusage")});
        QVERIFY(TempProgram::writeFile(m_tp.paths().report(kShowUsageFile), usage));
    }

    void everySettingReachesMame()
    {
        const std::optional<MameUsage> mame =
            MameUsage::fromFile(m_tp.paths().report(kShowUsageFile));
        QVERIFY(mame);
        OptionLists lists;
        lists.setEntries(Option::Effect,
                         effectEntriesFromArtworkFolder(m_prefs.folder(DataFolder::Artwork)));
        adaptListsToMame(&lists, &*mame, m_prefs.folder(DataFolder::Ctrlr));
        SettingsModel model;
        model.setLists(lists);
        const KnownOptions known = knownOptions(&*mame);
        for (int i = 0; i < kOptionCount; ++i) {
            if (known[i])
                QVERIFY2(model.assign(optionAt(i), movedValue(optionAt(i), lists)),
                         optionSpec(optionAt(i)).control);
        }
        QCOMPARE(model.value(Option::Controller), QStringLiteral("mypad"));
        QCOMPARE(model.value(Option::Sound), QStringLiteral("0"));
        const QString raster = m_tp.paths().setting(QStringLiteral("raster.cfg"));
        QVERIFY(SaveSettings(model, raster));

        ScriptedMessageBox box; // MAME ends normally: no message
        QByteArray iniWhileMameRan;
        ExecStatus run;
        LaunchServices services = launchServicesFor(m_prefs, m_tp.paths());
        const auto play = services.play;
        services.play = [&](const QString& command, WindowStyle style) {
            iniWhileMameRan = TempProgram::readFile(mameIniPath(m_prefs));
            return run = play(command, style);
        };
        const SelectedGame pong{
            QStringLiteral("pong"), {}, QStringLiteral("Raster"), ListKind::All};
        QCOMPARE(
            launchGame(LaunchRequest{pong, {}, LaunchMode::Play}, m_prefs, services, {}).outcome,
            LaunchOutcome::Played);
        const QString said =
            QString::fromUtf8(TempProgram::readFile(m_tp.paths().report(kPlayOutputFile)));
        QVERIFY2(run.exitCode == 0 && !run.crashed, qPrintable(said));
        QCOMPARE(box.shown().size(), 0);
        static const QRegularExpression refused(
            QStringLiteral("Invalid|not supported|Unknown option|falling back|reverting"));
        for (const QString& line : said.split(u'\n'))
            QVERIFY2(!line.contains(refused) || line.contains(QStringLiteral("bios")),
                     qPrintable(line));

        // The layer says "sound none" for the unticked box, and MAME's configuration read from
        // the same mame.ini holds every value written.
        const QByteArray layer = iniWhileMameRan.mid(mameIniPathLayer(m_prefs, &*mame).size());
        QVERIFY(layer.contains("\r\nsound\tnone\r\n"));
        // Every option of both layers is one this MAME knows.
        for (const QByteArray& line : iniWhileMameRan.split('\n')) {
            const QString name = QString::fromUtf8(line).trimmed().section(u'\t', 0, 0);
            QVERIFY2(name.isEmpty() || name.startsWith(u'#') || mame->knows(name),
                     qPrintable(name));
        }
        QVERIFY(TempProgram::writeFile(mameIniPath(m_prefs), iniWhileMameRan));
        const QString config = QString::fromUtf8(
            runMame(m_prefs.folder(DataFolder::MAME), {QStringLiteral("-showconfig")}));
        QVERIFY(resetMameIni(m_prefs));
        int checked = 0;
        for (const QByteArray& line : layer.split('\n')) {
            const QString option = QString::fromUtf8(line).trimmed();
            if (option.isEmpty() || option.startsWith(u'#'))
                continue;
            const QString name = option.section(u'\t', 0, 0);
            const QString value = option.section(u'\t', 1);
            const QRegularExpression shown(
                QStringLiteral("^%1\\s+%2$")
                    .arg(QRegularExpression::escape(name), QRegularExpression::escape(value)),
                QRegularExpression::MultilineOption);
            QVERIFY2(shown.match(config).hasMatch(), qPrintable(option));
            ++checked;
        }
        QVERIFY(checked > 50);
    }
};

QTEST_GUILESS_MAIN(TestEverySettingRealMame)
#include "test_everysetting_realmame.moc"
