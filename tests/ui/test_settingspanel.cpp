// The settings panel offscreen: the three modes driven through
// the widgets, and the Rebuild Settings report with its bold heading and progress bar.
#include "app/IniFile.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/RebuildReportView.h"
#include "ui/SettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

class TestSettingsPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgram> m_program;
    std::unique_ptr<SettingsPanel> m_panel;

    template <typename T> T* find(const QString& name) const
    {
        return m_panel->findChild<T*>(name);
    }
    QComboBox* combo(const char* name) const { return find<QComboBox>(QLatin1String(name)); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(QLatin1String(name)); }
    QGroupBox* frame(Frame f) const
    {
        return find<QGroupBox>(QStringLiteral("frame_%1").arg(int(f)));
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(QLatin1String(name)); }

    // Picks an entry as the user would, through the list's activation.
    static void choose(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QString setting(const char* file) const
    {
        return m_program->paths().setting(QLatin1String(file));
    }
    QString stored(const char* file, Option option) const
    {
        return ReadIniValue(setting(file), sectionOf(option), keyOf(option), "<missing>");
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TempProgram>();
        m_panel = std::make_unique<SettingsPanel>(m_program->paths());
        OptionLists lists;
        lists.setEntries(Option::Bios,
                         {QStringLiteral("Default"), QStringLiteral("Neo-Geo: Euro")});
        lists.setEntries(Option::Effect, {QStringLiteral("None"), QStringLiteral("Scanlines")});
        m_panel->setLists(lists);
        m_panel->resize(900, 600);
        m_panel->show();
    }

    void cleanup()
    {
        m_panel.reset();
        m_program.reset();
    }

    void rasterEditingThroughTheWidgets()
    {
        QVERIFY(!m_panel->isEnabled());
        m_panel->openRaster();
        QVERIFY(m_panel->isEnabled());
        QCOMPARE(m_panel->title(), QStringLiteral("Raster Settings"));
        QCOMPARE(combo("cboVideo")->currentText(), QStringLiteral("D3D"));
        QVERIFY(check("chkThrottle")->isChecked());
        QVERIFY(!frame(Frame::VectorRendering)->isEnabled());
        QVERIFY(combo("cboBios")->isEnabled());
        QCOMPARE(m_panel->scrollArea()->verticalScrollBar()->value(), 0);

        choose(combo("cboVideo"), QStringLiteral("GDI"));
        QVERIFY(!frame(Frame::FullScreen)->isEnabled());
        QVERIFY(!check("chkWaitVSync")->isEnabled());
        choose(combo("cboResolution"), QStringLiteral("800x600@60"));
        QVERIFY(check("chkSwitchRes")->isChecked());
        check("chkSound")->click();
        QVERIFY(!combo("cboVolume")->isEnabled());
        QVERIFY(!find<QLabel>(QStringLiteral("lblCombo_18"))->isEnabled()); // "Volume:"
        find<QPlainTextEdit>(QStringLiteral("txtOtherCommands"))->setPlainText("-a\n-b");

        QSignalSpy closed(m_panel.get(), &SettingsPanel::closed);
        button("cmdOK")->click();
        QCOMPARE(closed.size(), 1);
        QVERIFY(closed.first().first().toBool());
        QVERIFY(!m_panel->isEnabled());
        QCOMPARE(stored("raster.cfg", Option::Video), QStringLiteral("GDI"));
        QCOMPARE(stored("raster.cfg", Option::SwitchRes), QStringLiteral("1"));
        QCOMPARE(stored("raster.cfg", Option::OtherCommands), QStringLiteral("-a -b"));

        // Cancel after changes: reopening shows the stored values again.
        m_panel->openRaster();
        choose(combo("cboVideo"), QStringLiteral("DDraw"));
        button("cmdCancel")->click();
        QCOMPARE(closed.size(), 2);
        QCOMPARE(closed.last().first().toBool(), false);
        m_panel->openRaster();
        QCOMPARE(combo("cboVideo")->currentText(), QStringLiteral("GDI"));

        // Restore, then OK: back at the defaults, so raster.cfg goes.
        button("cmdRestore")->click();
        QCOMPARE(combo("cboVideo")->currentText(), QStringLiteral("D3D"));
        QVERIFY(frame(Frame::FullScreen)->isEnabled());
        button("cmdOK")->click();
        QVERIFY(!QFile::exists(setting("raster.cfg")));
    }

    void greyedBoxesAndBadValues()
    {
        TempProgram::writeFile(setting("vector.cfg"),
                               "[Video Options]\r\nWindow=2\r\n[Sound Options]\r\nVolume=+99\r\n");
        ScriptedMessageBox box;
        box.expect(loadErrorMessage(Option::Volume), platform::MessageAnswer::Ok,
                   QStringLiteral("Vector Settings"));
        m_panel->openVector();
        QVERIFY(box.allExpectedShown());
        QCOMPARE(check("chkWindow")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(combo("cboVolume")->currentText(), QStringLiteral("0"));
        QVERIFY(frame(Frame::VectorRendering)->isEnabled());
        QVERIFY(!combo("cboBios")->isEnabled());
        check("chkWindow")->click();
        QCOMPARE(m_panel->model().value(Option::Window), QStringLiteral("1"));
    }

    void customModeCaptionsAndStatus()
    {
        TempProgram::writeFile(setting("raster.cfg"), "[Miscellaneous Options]\r\nCheat=1\r\n");
        const SelectedGame game{QStringLiteral("pacman"), QStringLiteral("Pac-Man"),
                                QStringLiteral("Raster")};
        m_panel->openCustom(game);
        QCOMPARE(m_panel->title(), QStringLiteral("Custom Settings"));
        QCOMPARE(button("cmdRestore")->text(), QStringLiteral("R&estore M.A.M.E. Defaults"));
        QVERIFY(check("chkCheat")->isChecked());

        QSignalSpy status(m_panel.get(), &SettingsPanel::settingsStatusChanged);
        check("chkMouse")->click();
        button("cmdOK")->click();
        QCOMPARE(status.last().first().toString(), QStringLiteral("Custom Settings"));
        QVERIFY(QFile::exists(setting("pacman.cfg")));

        m_panel->openCustom(game);
        QCOMPARE(button("cmdRestore")->text(), QStringLiteral("R&estore Raster Settings"));
        QVERIFY(check("chkMouse")->isChecked());
        button("cmdRestore")->click();
        QVERIFY(!check("chkMouse")->isChecked());
        QVERIFY(check("chkCheat")->isChecked());
        QCOMPARE(m_panel->title(), QStringLiteral("Custom Settings"));
        button("cmdOK")->click();
        QCOMPARE(status.last().first().toString(), QStringLiteral("Default Settings"));
        QVERIFY(!QFile::exists(setting("pacman.cfg")));
    }

    // Today's MAME: its own video methods on the list, and the controls it no longer reads
    // disabled with a tooltip that says so, while their values still reach the settings file.
    void followsTheInstalledMame()
    {
        const std::optional<MameUsage> today =
            MameUsage::fromFile(fixturePath(QStringLiteral("showusage-0251.txt")));
        QVERIFY(today);
        OptionLists lists = m_panel->model().lists();
        adaptListsToMame(&lists, &*today, QString());
        m_panel->setLists(lists);
        m_panel->setKnownOptions(knownOptions(&*today));
        m_panel->openRaster();
        QCOMPARE(combo("cboVideo")->currentText(), QStringLiteral("opengl"));
        choose(combo("cboVideo"), QStringLiteral("soft"));
        QVERIFY(!check("chkHwStretch")->isEnabled());
        QVERIFY(check("chkHwStretch")->toolTip().contains(QStringLiteral("\"hwstretch\"")));
        QVERIFY(!find<QLabel>(QStringLiteral("lblCombo_28"))->isEnabled()); // LED Mode
        QVERIFY(check("chkWindow")->isEnabled() && check("chkWindow")->toolTip().isEmpty());
        m_panel->model().assign(Option::HwStretch, QStringLiteral("0"));
        button("cmdOK")->click();
        QCOMPARE(stored("raster.cfg", Option::Video), QStringLiteral("soft"));
        QCOMPARE(stored("raster.cfg", Option::HwStretch), QStringLiteral("0"));
    }

    void rebuildReportHasBoldHeadingWords()
    {
        QTextEdit box;
        showRebuildReport(
            &box, QStringLiteral("Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\n\r\n"));
        QCOMPARE(box.toPlainText(),
                 QStringLiteral("Filename\tSetting\n\n\nraster.cfg     \tVideo\n\n"));
        QTextCursor cursor(box.document());
        auto weightAt = [&](int position) {
            cursor.setPosition(position + 1);
            return cursor.charFormat().fontWeight();
        };
        QCOMPARE(weightAt(0), int(QFont::Bold));
        QCOMPARE(weightAt(7), int(QFont::Bold));
        QVERIFY(weightAt(8) != int(QFont::Bold)); // the tab
        QCOMPARE(weightAt(9), int(QFont::Bold));
        QCOMPARE(weightAt(15), int(QFont::Bold));
        QVERIFY(weightAt(20) != int(QFont::Bold));

        showRebuildReport(&box, kNoInvalidValues);
        QCOMPARE(box.toPlainText(), kNoInvalidValues);
        QVERIFY(weightAt(0) != int(QFont::Bold));
    }

    void progressBarFollowsTheRebuild()
    {
        TempProgram::writeFile(setting("raster.cfg"), "[Video Options]\r\nVideo=Bad\r\n");
        TempProgram::writeFile(setting("vector.cfg"), "");
        QProgressBar bar;
        QStringList statuses;
        ProgressBarRebuildProgress progress(&bar, [&](const QString& s) { statuses << s; });
        const RebuildReport report = RebuildSettings(m_program->paths(), OptionLists(), progress);
        QVERIFY(report.anyReset);
        QCOMPARE(statuses, (QStringList{"Progress: 50%", "Progress: 100%"}));
        QCOMPARE(bar.maximum(), 2);
        QCOMPARE(bar.value(), 0);
        QVERIFY(bar.isHidden());
    }
};

QTEST_MAIN(TestSettingsPanel)
#include "test_settingspanel.moc"
