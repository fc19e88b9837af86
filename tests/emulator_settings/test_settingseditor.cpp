// The settings editor without widgets: which file each mode opens and saving on OK, which keeps
// a file only while it differs from what would apply without it.
#include "SettingsFixtures.h"
#include "emulator_settings/SettingsEditor.h"

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
    // updates a hand-made file name in place; an unwritable folder is reported. Load messages
    // are titled with the mode.
    void globalFilesAndLoadMessages()
    {
        m_editor->openRaster();
        QVERIFY(m_editor->ok().saved && !exists("raster.cfg"));
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

        // Custom Settings without a custom file loads raster.cfg under the Raster caption.
        ScriptedMessageBox box;
        for (const auto& [file, title] :
             {std::pair{"raster.cfg", "Raster Settings"}, {"pacman.cfg", "Custom Settings"}}) {
            QVERIFY(writeAll(path(file), "[Video Options]\r\nVideo=Glide\r\n"));
            box.expect(loadErrorMessage(O::Video), platform::MessageAnswer::Ok, title);
            m_editor->openCustom(kPacman);
        }
        QVERIFY(box.allExpectedShown());
    }

    // Custom OK keeps a file only while it differs from what applies without it: raster.cfg, or
    // the MAME defaults when there is none.
    void customOkKeepsOnlyDifferences()
    {
        m_editor->openCustom(kPacman);
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Default Settings"));
        QVERIFY(!exists("pacman.cfg"));

        // With a global file: only Other Commands differ, so the custom file stays.
        writeSettings("raster.cfg", {{O::Cheat, QStringLiteral("1")}});
        m_editor->openCustom(kPacman);
        m_model->assign(O::OtherCommands, QStringLiteral("-nosound"));
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Custom Settings"));
        QCOMPARE(stored("pacman.cfg", O::OtherCommands), QStringLiteral("-nosound"));

        // A game of another display type is saved against vector.cfg.
        const SelectedGame lcd{QStringLiteral("gnw"), QString(), QStringLiteral("Lcd")};
        m_editor->openCustom(lcd); // nothing is loaded: the controls keep what they held
        QCOMPARE(m_model->value(O::Cheat), QStringLiteral("1"));
        QCOMPARE(*m_editor->ok().settingsStatus, QStringLiteral("Custom Settings"));
        QCOMPARE(m_editor->settingsType(), SettingsType::Vector);

        // A vector game's own file leaves the BIOS list as it was; without vector.cfg Restore
        // gives the MAME defaults.
        writeSettings("asteroid.cfg", {{O::Flicker, QStringLiteral("10.00")}});
        m_editor->openCustom(kAsteroid);
        QVERIFY(m_model->enabling().enabled(O::Bios) && m_model->enabling().enabled(O::Flicker));
        m_editor->restore();
        QVERIFY(m_model->checkDefaults());
    }
};

QTEST_GUILESS_MAIN(TestSettingsEditor)
#include "test_settingseditor.moc"
