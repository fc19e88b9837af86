// Settings files: saving and loading every control, the loaders' two modes on hand-edited files,
// CompareSettings, and finding files whatever their letter case.
#include "SettingsFixtures.h"
#include "app/IniFile.h"
#include "emulator_settings/SettingsFiles.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/ScriptedMessageBox.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using O = Option;

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    static SettingsModel* newModel()
    {
        auto* model = new SettingsModel;
        model->setLists(richLists());
        return model;
    }

    static LoadContext editor()
    {
        LoadContext c;
        c.mode = LoaderMode::Editor;
        c.editorCaption = QStringLiteral("Raster Settings");
        return c;
    }

private slots:
    void saveAndLoadEveryControl()
    {
        std::unique_ptr<SettingsModel> saved(newModel());
        for (const OptionSpec& row : optionCatalogue())
            QVERIFY2(saved->assign(row.option, otherValue(row.option)), row.control);
        // Saved off although the resolution is fixed, as an older window could leave it.
        saved->assign(O::SwitchRes, QStringLiteral("0"));
        saved->assign(O::OtherCommands, QStringLiteral("-a\r\n-b\nc"));
        const QString path = file("roundtrip.cfg");
        QVERIFY(SaveSettings(*saved, path));

        const QString text = QString::fromUtf8(readAll(path));
        QCOMPARE(text.count(u'='), 61); // every key once
        QVERIFY(text.contains(QLatin1String("Other Commands=-a  -b c")));

        ScriptedMessageBox box; // no message may appear
        std::unique_ptr<SettingsModel> loaded(newModel());
        LoadContext context = editor();
        LoadControls(*loaded, path, context);
        for (const OptionSpec& row : optionCatalogue()) {
            if (row.option != O::OtherCommands && row.option != O::SwitchRes)
                QCOMPARE(loaded->value(row.option), saved->value(row.option));
        }
        // Loading runs the enabling rules, and a fixed resolution ticks Switch Resolution again.
        QCOMPARE(loaded->value(O::SwitchRes), QStringLiteral("1"));

        // Saving keeps what else the file holds, and changes each key once.
        const QString kept = file("kept.cfg");
        QVERIFY(writeAll(kept, "; my notes\r\n[Video Options]\r\nVideo=GDI\r\nMyKey=1\r\n"));
        QVERIFY(SaveSettings(SettingsModel(), kept));
        const QByteArray keptText = readAll(kept);
        QVERIFY(keptText.startsWith("; my notes\r\n[Video Options]\r\nVideo=D3D\r\nMyKey=1"));
        QCOMPARE(keptText.count("Video="), 1);
    }

    void editorModeTellsAndLeavesTheFile()
    {
        const QString path = file("bad-editor.cfg");
        const QByteArray original = "[Video Options]\r\nVideo=OpenGL\r\nWindow=2\r\n"
                                    "[Per-Window Video Options]\r\nResolution 0=799x599\r\n";
        QVERIFY(writeAll(path, original));
        ScriptedMessageBox box;
        box.expect(QStringLiteral("Error loading Video.  The M.A.M.E. default value 'D3D' will "
                                  "be used.\r\nYou should run Rebuild Settings from the Tools "
                                  "pull-down menu above to correct this problem."),
                   platform::MessageAnswer::Ok, QStringLiteral("Raster Settings"));
        box.expect(loadErrorMessage(O::Resolution));
        SettingsModel model;
        model.assign(O::Video, QStringLiteral("GDI"));
        LoadContext context = editor();
        LoadControls(model, path, context);
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(model.value(O::Video), QStringLiteral("D3D"));
        QCOMPARE(model.value(O::Window), QStringLiteral("2"));   // a greyed box is valid
        QCOMPARE(model.value(O::Throttle), QStringLiteral("1")); // missing key: no message
        QVERIFY(!context.invalidValueFound);
        QCOMPARE(readAll(path), original);

        // Over-long Other Commands are cut to what an ini value holds.
        QVERIFY(
            writeAll(path, "[Miscellaneous]\r\nOther Commands=" + QByteArray(300, 'x') + "\r\n"));
        LoadControls(model, path, context);
        QCOMPARE(model.value(O::OtherCommands).size(), kIniValueLimit);
    }

    void rebuildModeReportsAndRepairs()
    {
        const QString path = file("bad-rebuild.cfg");
        QVERIFY(writeAll(path, "[Miscellaneous Options]\r\nBios=Neo-Geo: Japan\r\nCheat=x\r\n"
                               "[Video Options]\r\nEffect=Removed\r\n"
                               "[Game Screen Options]\r\nBrightness=" +
                                   QByteArray(300, '1') + "\r\n"));
        ScriptedMessageBox box; // no message in rebuild mode
        QString report;
        LoadContext context;
        context.mode = LoaderMode::Rebuild;
        context.label = QStringLiteral("bad-rebuild.cfg");
        context.report = &report;
        std::unique_ptr<SettingsModel> model(newModel());
        LoadControls(*model, path, context);
        QVERIFY(context.invalidValueFound);
        QCOMPARE(report, QStringLiteral("bad-rebuild.cfg\tBios\r\nbad-rebuild.cfg\tCheat\r\n"
                                        "bad-rebuild.cfg\tEffect\r\n"
                                        "bad-rebuild.cfg\tBrightness\r\n"));
        for (const auto& [option, value] :
             {std::pair{O::Bios, "Default"}, {O::Cheat, "0"}, {O::Brightness, "1.00"}})
            QCOMPARE(ReadIniValue(path, sectionOf(option), keyOf(option), ""),
                     QLatin1String(value));
        // Missing keys are neither reported nor added.
        QVERIFY(!readAll(path).contains("Throttle"));
    }

    void compareSettingsDeletesOnlyEqualFiles()
    {
        const QString global = file("raster.cfg");
        const QString custom = file("pacman.cfg");
        SettingsModel model;
        model.assign(O::Window, QStringLiteral("1"));
        QVERIFY(SaveSettings(model, global));
        // Hand-made: the same values with missing keys read as defaults, check box as " 1".
        QVERIFY(writeAll(custom, "[Video Options]\r\nWindow= 1\r\n"));
        QCOMPARE(CompareSettings(custom, global), CompareOutcome::Deleted);
        QVERIFY(!QFile::exists(custom));

        QVERIFY(SaveSettings(model, custom));
        QVERIFY(WriteIniValue(custom, QStringLiteral("Miscellaneous"),
                              QStringLiteral("Other Commands"), QStringLiteral("-nvram")));
        QCOMPARE(CompareSettings(custom, global), CompareOutcome::Kept);
        QVERIFY(QFile::exists(custom));

        QVERIFY(writeAll(custom, "[Video Options]\r\nWindow=yes\r\n"));
        ScriptedMessageBox box;
        box.allowAny(true);
        QCOMPARE(CompareSettings(custom, global), CompareOutcome::Failed);
        QVERIFY(QFile::exists(custom));
        QVERIFY(box.lastText().startsWith(QStringLiteral("Error In CompareSettings: ")));
    }

    void filesAreFoundWhateverTheirCase()
    {
        QTemporaryDir dir;
        const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
        SettingsFolder folder(dir.path());
        QVERIFY(writeAll(file("Raster.cfg"), "[Video Options]\r\n"));
        QVERIFY(writeAll(file("PACMAN.CFG"), ""));
        QVERIFY(writeAll(file("options.ini"), ""));
        QVERIFY(folder.hasGlobalFile(SettingsType::Raster));
        QCOMPARE(folder.globalFile(SettingsType::Raster), file("Raster.cfg"));
        QCOMPARE(customSettingsFileName(QStringLiteral("Galaga")), QStringLiteral("galaga.cfg"));

        // Which file applies: custom first, then the global file of the display type.
        QCOMPARE(folder.applicableFile(QStringLiteral("pacman"), QStringLiteral("Raster")),
                 file("PACMAN.CFG"));
        QCOMPARE(folder.applicableFile(QStringLiteral("galaga"), QStringLiteral("Raster")),
                 file("Raster.cfg"));
        QCOMPARE(folder.applicableFile(QStringLiteral("galaga"), QStringLiteral("Lcd")), QString());
        QVERIFY(folder.settingsFileNames().contains(QStringLiteral("PACMAN.CFG")));
        QVERIFY(!folder.settingsFileNames().contains(QStringLiteral("options.ini")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settingsfiles.moc"
