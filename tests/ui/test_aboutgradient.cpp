// The About window (MAME's version, the Other Extras lists, the banner it
// pauses) and the gradient window (its fallback colour, the live preview, OK).
#include "app/ColorChoices.h"
#include "app/IniFile.h"
#include "app/MameVersion.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "support/UiHelpers.h"
#include "ui/AboutWindow.h"
#include "ui/ColorComboBox.h"
#include "ui/GradientWindow.h"
#include "ui/ReadableText.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct AboutRig
{
    TempProgram program;
    AppState state;
    bool bannerRunning = true;
    int refreshes = 0;

    AboutRig()
    {
        state.paths = program.paths();
        state.prefs = program.standardPreferences();
    }

    AboutWindow::Hooks hooks()
    {
        return {[this] { return bannerRunning; }, [this](bool on) { bannerRunning = on; },
                [this] { ++refreshes; }};
    }
};

} // namespace

class AboutGradientTest : public QObject
{
    Q_OBJECT
private slots:
    void aboutShowsVersionsAndPausesTheBanner()
    {
        // How an old MAME's first line becomes the shown version (today's: the real-MAME test).
        QVERIFY(mameVersionFromLine("M.A.M.E. v0.37b5 (Mar 28 2000)") ==
                    QString("M.A.M.E. Version 0.37b5") &&
                !mameVersionFromLine("Copyright MAMEdev"));
        AboutRig rig;
        FakeMame mame(rig.program.mameFolder());
        QVERIFY(mame.answer("-help", fixturePath("help.txt")));
        {
            AboutWindow about(rig.state, rig.hooks());
            QVERIFY(!rig.bannerRunning && rig.refreshes == 1);
            control<QPushButton>(about, "cmdVersion")->click();
            QCOMPARE(control<QLabel>(about, "lblMAMEVersion")->text(),
                     QString("MAME Version 0.251"));
            control<QPushButton>(about, "cmdOK")->click();
        }
        QVERIFY(rig.bannerRunning);

        // A banner the user had paused stays paused.
        rig.bannerRunning = false;
        AboutWindow(rig.state, rig.hooks()).reject();
        QVERIFY(!rig.bannerRunning);
    }

    // Other Extras lists the folders; the gradient window falls back to its default colour and
    // previews each choice.
    void otherExtrasAndGradient()
    {
        AboutRig rig;
        ScriptedMessageBox boxes;
        const QString mame = rig.program.mameFolder();
        rig.state.prefs.setFolder(DataFolder::Artwork, rig.program.makeFolder("artwork"));
        for (const char* name : {"artwork/a.zip", "artwork/B.ZIP", "artwork/notes.txt"})
            TempProgram::writeFile(rig.program.root() + '/' + name, "PK");
        TempProgram::writeFile(mame + "/history.dat", "$info");
        AboutWindow about(rig.state, rig.hooks());
        auto* total = control<QLabel>(about, "lblTotal");
        const auto pick = [&](const char* name) { control<QAbstractButton>(about, name)->click(); };

        about.show();
        const QSize small = about.size();
        pick("chkOther");
        QVERIFY(control<QRadioButton>(about, "optArtwork")->isChecked() && total->text() == "2");
        QVERIFY(about.height() > small.height());
        pick("optDATs");
        QCOMPARE(control<QListWidget>(about, "File1")->item(0)->text(), QString("history.dat"));

        boxes.expect("Error in optIcons_Click.\rThis might mean you do not have an Icons folder.",
                     platform::MessageAnswer::Ok, "Icons");
        pick("optIcons");
        QVERIFY(boxes.allExpectedShown() && total->text() == "0");

        // Icons are found in either spelling of the folder.
        TempProgram::writeFile(mame + "/Icons/pacman.ico", "ico");
        pick("optIcons");
        QCOMPARE(total->text(), QString("1"));
        pick("chkOther"); // the lists go and the window shrinks back
        QCOMPARE(about.size(), small);

        // A caption on the gradient keeps a colour that reads (3 : 1); one that does not is
        // shaded darker on a light gradient, lighter on a dark one, and no further than needed.
        const QColor grey(190, 190, 190), light(239, 239, 239), navy(0, 0, 80);
        QCOMPARE(readableOn(Qt::black, {light, QColor(160, 160, 160)}), QColor(Qt::black));
        const QColor onLight = readableOn(grey, {light});
        const QColor onDark = readableOn(Qt::black, {navy, QColor(0, 0, 120)});
        QVERIFY(onLight.lightness() < grey.lightness() && contrastRatio(onLight, light) >= 3 &&
                contrastRatio(onLight, light) < 3.3);
        QVERIFY(onDark.lightness() > 0 && contrastRatio(onDark, QColor(0, 0, 120)) >= 3);

        rig.program.writeOptionsIni(rig.state.prefs);
        int repaints = 0;
        rig.state.prefs.gradientColor = 0x123456; // not a listed colour
        boxes.expect("Problem getting color.  Reverting to default setting.",
                     platform::MessageAnswer::Ok, "Velmora");
        GradientWindow window(rig.state, [&repaints] { ++repaints; });
        auto* list = control<ColorComboBox>(window, "cboSysCol");
        QVERIFY(boxes.allExpectedShown() && list->currentIndex() == kDefaultGradientColorIndex &&
                rig.state.prefs.gradientColor == list->valueAt(kDefaultGradientColorIndex));

        // Each choice is previewed at once; only OK stores it.
        const int before = repaints;
        list->setCurrentIndex(7);
        QVERIFY(repaints == before + 1 && rig.state.prefs.gradientColor == list->valueAt(7));
        const QString ini = rig.state.paths.optionsIni();
        const auto stored = [&] { return ReadIniValue(ini, "Preferences", "GradientColor", ""); };
        QCOMPARE(stored(), QString::number(kSystemButtonShadow));
        control<QPushButton>(window, "cmdOK")->click();
        QCOMPARE(stored(), QString::number(list->valueAt(7)));
    }
};

QTEST_MAIN(AboutGradientTest)
#include "test_aboutgradient.moc"
