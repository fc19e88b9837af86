// The settings editor without widgets: which file each mode opens, Restore's baselines and Saving
// on OK, which keeps a file only while it differs from what would apply without it.
#include "SettingsFixtures.h"
#include "app/IniFile.h"
#include "emulator_settings/SettingsEditor.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/ScriptedMessageBox.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using O = Option;

namespace {

const SelectedGame kPacman{QStringLiteral("pacman"), QStringLiteral("Pac-Man (Midway)"),
                           QStringLiteral("Raster")};
const SelectedGame kAsteroid{QStringLiteral("asteroid"), QStringLiteral("Asteroids"),
                             QStringLiteral("Vector")};

} // namespace

class TestSettingsEditor : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsModel> m_model;
    std::unique_ptr<SettingsEditor> m_editor;

    QString path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }
    bool exists(const char* name) const { return QFile::exists(path(name)); }

    void writeSettings(const char* name, std::initializer_list<std::pair<Option, QString>> values)
    {
        SettingsModel model;
        model.setLists(richLists());
        for (const auto& [option, value] : values)
            QVERIFY(model.assign(option, value));
        QVERIFY(SaveSettings(model, path(name)));
    }

    QString stored(const char* name, Option option) const
    {
        return ReadIniValue(path(name), sectionOf(option), keyOf(option), "<missing>");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_model = std::make_unique<SettingsModel>();
        m_model->setLists(richLists());
        m_editor = std::make_unique<SettingsEditor>(SettingsFolder(m_dir->path()), m_model.get());
    }

    // The global files: OK saves a file only while it differs from the MAME defaults, and
    // updates a hand-made file name in place; an unwritable folder is reported.
    void globalFilesAreSavedOrDeleted()
    {
        QVERIFY(m_model->assign(O::Window, QStringLiteral("1")));
        m_editor->openRaster();
        QVERIFY(m_model->checkDefaults());
        QVERIFY(!m_model->enabling().enabled(O::Beam) && m_model->enabling().enabled(O::Bios));
        const OkResult ok = m_editor->ok();
        QVERIFY(ok.saved && !ok.settingsStatus && !exists("raster.cfg"));

        m_editor->openVector();
        QVERIFY(m_model->enabling().enabled(O::Flicker) && !m_model->enabling().enabled(O::Bios));
        m_model->assign(O::Beam, QStringLiteral("2.50"));
        QVERIFY(m_editor->ok().saved);
        QCOMPARE(stored("vector.cfg", O::Beam), QStringLiteral("2.50"));
        m_editor->openVector();
        m_editor->restore();
        QVERIFY(m_editor->ok().saved);
        QVERIFY(!exists("vector.cfg"));

        writeSettings("Raster.cfg", {{O::Video, QStringLiteral("GDI")}});
        m_editor->openRaster();
        QCOMPARE(m_model->value(O::Video), QStringLiteral("GDI"));
        m_model->assign(O::Video, QStringLiteral("DDraw"));
        QVERIFY(m_editor->ok().saved);
        QCOMPARE(stored("Raster.cfg", O::Video), QStringLiteral("DDraw"));
        QVERIFY(!exists("raster.cfg"));

        QVERIFY(writeAll(path("blocker"), ""));
        SettingsEditor blocked(SettingsFolder(path("blocker")), m_model.get());
        blocked.openRaster();
        m_model->assign(O::Cheat, QStringLiteral("1"));
        QVERIFY(!blocked.ok().error.isEmpty());
    }

    void loadMessagesAreTitledWithTheMode()
    {
        // Custom Settings without a custom file loads raster.cfg under the Raster caption.
        ScriptedMessageBox box;
        for (const auto& [file, title, custom] :
             {std::tuple{"raster.cfg", "Raster Settings", false},
              {"", "Raster Settings", true},
              {"pacman.cfg", "Custom Settings", true}}) {
            QVERIFY(!*file || writeAll(path(file), "[Video Options]\r\nVideo=Glide\r\n"));
            box.expect(loadErrorMessage(O::Video), platform::MessageAnswer::Ok, title);
            custom ? m_editor->openCustom(kPacman) : m_editor->openRaster();
        }
        QVERIFY(box.allExpectedShown());
    }

    void customOpensFromGlobalOrOwnFile()
    {
        writeSettings("raster.cfg", {{O::Window, QStringLiteral("1")}});
        m_editor->openCustom(kPacman);
        QCOMPARE(m_model->value(O::Window), QStringLiteral("1"));
        writeSettings("pacman.cfg", {{O::Window, QStringLiteral("1")}, {O::Cheat, "1"}});
        m_editor->openCustom(kPacman);
        QCOMPARE(m_model->value(O::Cheat), QStringLiteral("1"));
        QCOMPARE(m_editor->restoreCaption(), QStringLiteral("R&estore Raster Settings"));
        m_editor->restore();
        QCOMPARE(m_model->value(O::Cheat), QStringLiteral("0"));
        // OK after restoring to the global settings: the custom file equals raster.cfg and goes.
        const OkResult ok = m_editor->ok();
        QCOMPARE(*ok.settingsStatus, QStringLiteral("Default Settings"));
        QVERIFY(!exists("pacman.cfg") && exists("raster.cfg"));

        // A vector game's own file leaves the BIOS list as it was; without vector.cfg Restore
        // gives the MAME defaults.
        writeSettings("asteroid.cfg", {{O::Flicker, QStringLiteral("10.00")}});
        m_editor->openCustom(kAsteroid);
        QVERIFY(m_model->enabling().enabled(O::Bios) && m_model->enabling().enabled(O::Flicker));
        QCOMPARE(m_editor->restoreCaption(), QStringLiteral("R&estore M.A.M.E. Defaults"));
        m_editor->restore();
        QVERIFY(m_model->checkDefaults());
    }

    void customOkKeepsOnlyDifferences()
    {
        // No global file: equal to the MAME defaults means no custom file.
        m_editor->openCustom(kPacman);
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Default Settings"));
        QVERIFY(!exists("pacman.cfg"));

        // With a global file: only Other Commands differ, so the custom file stays.
        writeSettings("raster.cfg", {{O::Cheat, QStringLiteral("1")}});
        m_editor->openCustom(kPacman);
        m_model->assign(O::OtherCommands, QStringLiteral("-nosound"));
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Custom Settings"));
        QCOMPARE(stored("pacman.cfg", O::OtherCommands), QStringLiteral("-nosound"));

        // Equal to raster.cfg: deleted, even though not at the MAME defaults.
        m_editor->openCustom(kPacman);
        m_model->assign(O::OtherCommands, QString());
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Default Settings"));
        QVERIFY(!exists("pacman.cfg"));

        // A game of another display type is saved against vector.cfg.
        const SelectedGame lcd{QStringLiteral("gnw"), QString(), QStringLiteral("Lcd")};
        m_editor->openCustom(lcd); // nothing is loaded: the controls keep what they held
        QCOMPARE(m_model->value(O::Cheat), QStringLiteral("1"));
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Custom Settings"));
        QCOMPARE(m_editor->settingsType(), SettingsType::Vector);
    }
};

QTEST_GUILESS_MAIN(TestSettingsEditor)
#include "test_settingseditor.moc"
