// The settings panel offscreen: the three modes driven through the widgets, and the Rebuild
// Settings report with its bold heading and progress bar. What is saved for each mode, the
// frame rules and the load messages are pinned by the settings editor's own tests.
#include "app/IniFile.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/TempProgram.h"
#include "ui/RebuildReportView.h"
#include "ui/SettingsPanel.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

class TestSettingsPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgram> m_program;
    std::unique_ptr<SettingsPanel> m_panel;

    template <typename T = QWidget> T* find(const char* name) const
    {
        return m_panel->findChild<T*>(QLatin1String(name));
    }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    bool frameOn(Frame f) const
    {
        return m_panel->findChild<QGroupBox*>(QStringLiteral("frame_%1").arg(int(f)))->isEnabled();
    }
    void click(const char* button) const { find<QPushButton>(button)->click(); }

    QString setting(const char* file) const { return m_program->paths().setting(file); }
    QString stored(Option option) const
    {
        return ReadIniValue(setting("raster.cfg"), sectionOf(option), keyOf(option), "<missing>");
    }

private slots:
    void init()
    {
        m_panel.reset();
        m_program = std::make_unique<TempProgram>();
        m_panel = std::make_unique<SettingsPanel>(m_program->paths());
        m_panel->setLists(OptionLists());
        m_panel->show();
    }

    // Controls today's MAME no longer reads are disabled with a tooltip that says so.
    void rasterEditingThroughTheWidgets()
    {
        const auto today = MameUsage::fromFile(fixturePath("showusage-0251.txt"));
        m_panel->setKnownOptions(knownOptions(&*today));
        m_panel->openRaster();
        QVERIFY(m_panel->isEnabled() && !frameOn(Frame::VectorRendering));
        QVERIFY(!check("chkHwStretch")->isEnabled() &&
                check("chkHwStretch")->toolTip().contains("\"hwstretch\""));
        auto* video = find<QComboBox>("cboVideo");
        video->setCurrentIndex(video->findText("GDI"));
        emit video->activated(video->currentIndex()); // as the user picks it
        QVERIFY(!frameOn(Frame::FullScreen));
        find<QPlainTextEdit>("txtOtherCommands")->setPlainText("-a\n-b");
        QSignalSpy closed(m_panel.get(), &SettingsPanel::closed);
        click("cmdOK");
        QVERIFY(closed.size() == 1 && closed.first().first().toBool() && !m_panel->isEnabled());
        QVERIFY(stored(Option::Video) == "GDI" && stored(Option::OtherCommands) == "-a -b");

        // Restore, then OK: back at the defaults, so raster.cfg goes.
        m_panel->openRaster();
        click("cmdRestore");
        QVERIFY(video->currentText() == "D3D" && frameOn(Frame::FullScreen));
        click("cmdOK");
        QVERIFY(!QFile::exists(setting("raster.cfg")));
    }

    // The Restore button names what it restores; the status follows whether the game keeps a
    // file of its own. Vector mode greys a box its file leaves unset.
    void customAndVectorModes()
    {
        TempProgram::writeFile(setting("raster.cfg"), "[Miscellaneous Options]\r\nCheat=1\r\n");
        const SelectedGame game{"pacman", "Pac-Man", "Raster"};
        QSignalSpy status(m_panel.get(), &SettingsPanel::settingsStatusChanged);
        m_panel->openCustom(game);
        check("chkMouse")->click();
        click("cmdOK");
        QCOMPARE(status.last().first().toString(), "Custom Settings");
        m_panel->openCustom(game);
        QCOMPARE(find<QPushButton>("cmdRestore")->text(), "R&estore Raster Settings");
        click("cmdRestore");
        QVERIFY(!check("chkMouse")->isChecked() && check("chkCheat")->isChecked());
        click("cmdOK");
        QVERIFY(status.last().first().toString() == "Default Settings" &&
                !QFile::exists(setting("pacman.cfg")));

        TempProgram::writeFile(setting("vector.cfg"), "[Video Options]\r\nWindow=2\r\n");
        m_panel->openVector();
        QVERIFY(check("chkWindow")->checkState() == Qt::PartiallyChecked &&
                frameOn(Frame::VectorRendering));
        check("chkWindow")->click();
        QCOMPARE(m_panel->model().value(Option::Window), "1");
    }

    void rebuildReportAndProgress()
    {
        QTextEdit box;
        showRebuildReport(&box, "Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\n\r\n");
        QCOMPARE(box.toPlainText(), "Filename\tSetting\n\n\nraster.cfg     \tVideo\n\n");
        QTextCursor cursor(box.document());
        auto boldAt = [&](int position) {
            cursor.setPosition(position + 1);
            return cursor.charFormat().fontWeight() == QFont::Bold;
        };
        // The heading's words are bold, not the tab between them nor the rows.
        QVERIFY(boldAt(0) && boldAt(7) && !boldAt(8) && boldAt(9) && boldAt(15) && !boldAt(20));
        showRebuildReport(&box, kNoInvalidValues);
        QVERIFY(box.toPlainText() == kNoInvalidValues && !boldAt(0));

        TempProgram::writeFile(setting("raster.cfg"), "[Video Options]\r\nVideo=Bad\r\n");
        TempProgram::writeFile(setting("vector.cfg"), "");
        QProgressBar bar;
        QStringList statuses;
        ProgressBarRebuildProgress progress(&bar, [&](const QString& s) { statuses << s; });
        QVERIFY(RebuildSettings(m_program->paths(), OptionLists(), progress).anyReset);
        QCOMPARE(statuses, (QStringList{"Progress: 50%", "Progress: 100%"}));
        QVERIFY(bar.maximum() == 2 && bar.isHidden());
    }
};

QTEST_MAIN(TestSettingsPanel)
#include "test_settingspanel.moc"
