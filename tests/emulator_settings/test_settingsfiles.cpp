// Settings files: saving and loading every control, the editor's loader on hand-edited files,
// CompareSettings, and finding files whatever their letter case.
#include "SettingsFixtures.h"
#include "emulator_settings/SettingsFiles.h"

using namespace velmora;
using namespace velmora::testing;
using O = Option;

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void saveAndLoadEveryControl()
    {
        SettingsModel saved;
        saved.setLists(richLists());
        for (const OptionSpec& row : optionCatalogue())
            QVERIFY2(saved.assign(row.option, otherValue(row.option)), row.control);
        // Saved off although the resolution is fixed, as an older window could leave it.
        saved.assign(O::SwitchRes, QStringLiteral("0"));
        const QString path = file("roundtrip.cfg");
        QVERIFY(SaveSettings(saved, path));
        QCOMPARE(readAll(path).count('='), 61); // every key once

        ScriptedMessageBox box; // no message may appear
        SettingsModel loaded;
        loaded.setLists(richLists());
        LoadContext context{LoaderMode::Editor, QStringLiteral("Raster Settings")};
        LoadControls(loaded, path, context);
        for (const OptionSpec& row : optionCatalogue()) {
            if (row.option != O::SwitchRes)
                QVERIFY2(loaded.value(row.option) == saved.value(row.option), row.control);
        }
        // Loading runs the enabling rules, and a fixed resolution ticks Switch Resolution again.
        QCOMPARE(loaded.value(O::SwitchRes), QStringLiteral("1"));

        // Saving keeps what else the file holds, and changes each key once.
        const QString kept = file("kept.cfg");
        QVERIFY(writeAll(kept, "; my notes\r\n[Video Options]\r\nVideo=GDI\r\nMyKey=1\r\n"));
        QVERIFY(SaveSettings(SettingsModel(), kept));
        const QByteArray keptText = readAll(kept);
        QVERIFY(keptText.startsWith("; my notes\r\n[Video Options]\r\nVideo=D3D\r\nMyKey=1"));
        QCOMPARE(keptText.count("Video="), 1);
    }

    // A bad value is named and replaced by the MAME default, leaving the file as it was; a
    // missing key gives no message.
    void editorModeTellsAndLeavesTheFile()
    {
        const QString path = file("bad-editor.cfg");
        const QByteArray original = "[Video Options]\r\nVideo=OpenGL\r\n";
        QVERIFY(writeAll(path, original));
        ScriptedMessageBox box;
        box.expect(QStringLiteral("Error loading Video.  The M.A.M.E. default value 'D3D' will "
                                  "be used.\r\nYou should run Rebuild Settings from the Tools "
                                  "pull-down menu above to correct this problem."),
                   platform::MessageAnswer::Ok, QStringLiteral("Raster Settings"));
        SettingsModel model;
        model.assign(O::Video, QStringLiteral("GDI"));
        LoadContext context{LoaderMode::Editor, QStringLiteral("Raster Settings")};
        LoadControls(model, path, context);
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(model.value(O::Video), QStringLiteral("D3D"));
        QVERIFY(!context.invalidValueFound);
        QCOMPARE(readAll(path), original);

        // Over-long Other Commands are cut to what an ini value holds.
        QVERIFY(
            writeAll(path, "[Miscellaneous]\r\nOther Commands=" + QByteArray(300, 'x') + "\r\n"));
        LoadControls(model, path, context);
        QCOMPARE(model.value(O::OtherCommands).size(), kIniValueLimit);
    }

    void compareSettingsDeletesOnlyEqualFiles()
    {
        const QString global = file("raster.cfg");
        const QString custom = file("pacman.cfg");
        QVERIFY(writeAll(global, "[Video Options]\r\nWindow=1\r\n"));
        // Hand-made: the same values with missing keys read as defaults, check box as " 1".
        QVERIFY(writeAll(custom, "[Video Options]\r\nWindow= 1\r\n"));
        QCOMPARE(CompareSettings(custom, global), CompareOutcome::Deleted);
        QVERIFY(!QFile::exists(custom));

        QVERIFY(writeAll(custom, "[Video Options]\r\nWindow=yes\r\n"));
        ScriptedMessageBox box;
        box.allowAny(true);
        QCOMPARE(CompareSettings(custom, global), CompareOutcome::Failed);
        QVERIFY(QFile::exists(custom));
        QVERIFY(box.lastText().startsWith(QStringLiteral("Error In CompareSettings: ")));
    }

    // Which file applies, whatever its letter case: the game's own first, then the global file of
    // its display type.
    void applicableFile()
    {
        QTemporaryDir dir;
        const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
        SettingsFolder folder(dir.path());
        QVERIFY(writeAll(file("Raster.cfg"), "[Video Options]\r\n"));
        QVERIFY(writeAll(file("PACMAN.CFG"), ""));
        QCOMPARE(customSettingsFileName(QStringLiteral("Galaga")), QStringLiteral("galaga.cfg"));
        QCOMPARE(folder.applicableFile(QStringLiteral("pacman"), QStringLiteral("Raster")),
                 file("PACMAN.CFG"));
        QCOMPARE(folder.applicableFile(QStringLiteral("galaga"), QStringLiteral("Raster")),
                 file("Raster.cfg"));
        QCOMPARE(folder.applicableFile(QStringLiteral("galaga"), QStringLiteral("Lcd")), QString());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settingsfiles.moc"
