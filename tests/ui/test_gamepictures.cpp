// The picture kinds beside the list: title screens in a folder, flyers in a zip and cabinets in a
// 7z archive under the Extra Art folder (here the MAME folder, as for an options.ini from before
// the folder existed), shown for a game and its clone, chosen in View > Picture or by clicking
// the picture, greyed when missing; a damaged archive is told once and shows nothing.
#include "support/PictureArchive.h"
#include "ui/ListWindowFixture.h"
#include "ui/StatusPanels.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>

using namespace velmora;
using namespace velmora::testing;

namespace {

QByteArray picture(int width, int height, const char* format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image.save(&buffer, format) ? bytes : QByteArray();
}

} // namespace

class TestGamePictures : public QObject
{
    Q_OBJECT
private slots:
    void kindsForAGameAndItsClone()
    {
        ListWindow w;
        w.state.prefs.cloneShots = true;
        const QString art = w.folder(DataFolder::MAME);
        QDir().mkpath(art + "/titles");
        writeFile(art + "/titles/pacman.png", picture(40, 30));
        writeFile(art + "/titles/MSPACMAN.PNG", picture(20, 30));
        QVERIFY(writeArchive(art + "/flyers.zip", "zip", {{"flyers/Pacman.png", picture(30, 60)}}));
        QVERIFY(
            writeArchive(art + "/cabinets.7z", "7zip", {{"pacman.jpg", picture(20, 50, "JPG")}}));
        writeFile(art + "/marquees.zip", TempProgram::readFile(art + "/flyers.zip").left(80));
        w.window.setScreenShotsChecked(true);
        QVERIFY(w.load());
        w.window.resize(900, 426);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* img = w.child<QLabel>("imgShots");
        QLabel* note = w.window.statusBarElement(0)->panel(2);
        const auto shown = [&](int width, int height) {
            return img->isVisibleTo(&w.window) && !img->pixmap().isNull() &&
                   qAbs(img->width() * height - img->height() * width) <= width + height;
        };
        const auto enabledKinds = [&] {
            QString out;
            for (const char* kind :
                 {"Snapshot", "TitleScreen", "Flyer", "Cabinet", "Marquee", "ControlPanel", "PCB"})
                out += w.enabled(qPrintable(QString("mnuPicture") + kind)) ? '1' : '0';
            return out;
        };

        // The damaged archive is told at the first selection, once.
        QVERIFY2(note->text().contains("marquees.zip cannot be shown: "), qPrintable(note->text()));
        // The clone has its own title screen; its flyer and cabinet are its parent's.
        w.select(ListKind::All, "mspacman");
        QCOMPARE(enabledKinds(), "0111000");
        QVERIFY(!note->text().contains("marquees") &&
                w.child<QLabel>("lblShots")->text() == "THERE IS NO SCREEN SHOT FOR THIS GAME");
        w.action("mnuPictureFlyer")->trigger();
        QVERIFY(shown(30, 60) && w.state.prefs.picture == PictureKind::Flyer);
        QVERIFY(img->width() <= w.window.fraList()->width() * 2 / 5);
        QTest::mouseClick(img, Qt::LeftButton);
        QVERIFY(shown(20, 50) && w.action("mnuPictureCabinet")->isChecked());
        QTest::mouseClick(img, Qt::LeftButton); // past the kinds it lacks, round to the first
        QVERIFY(shown(20, 30) && w.state.prefs.picture == PictureKind::TitleScreen);

        // The game's own names are found in any letter case.
        w.select(ListKind::All, "pacman");
        QVERIFY(shown(40, 30));
        QCOMPARE(enabledKinds(), "0111000");
        w.state.prefs.cloneShots = false;
        w.select(ListKind::All, "mspacman");
        QCOMPARE(enabledKinds(), "0100000");
        w.select(ListKind::All, "galaga");
        QVERIFY(!img->isVisibleTo(&w.window) && enabledKinds() == "0000000" &&
                w.child<QLabel>("lblShots")->text() == "THERE IS NO TITLE SCREEN FOR THIS GAME");

        // With screen shots off nothing is shown and the kinds wait.
        w.action("mnuViewShots")->trigger();
        w.openMenu("mnuView");
        QVERIFY(!w.child<QLabel>("lblShots")->isVisibleTo(&w.window) &&
                !w.action("mnuViewPicture")->isEnabled());
    }
};

QTEST_MAIN(TestGamePictures)
#include "test_gamepictures.moc"
