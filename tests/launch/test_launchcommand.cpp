#include "launch/LaunchCommand.h"

#include <QTest>

using velmora::launchCommandLine;
using velmora::normaliseLaunchCommand;

class TestLaunchCommand : public QObject
{
    Q_OBJECT
private slots:
    void blanksAreCollapsedInOnePassAndLettersLowered()
    {
        QCOMPARE(launchCommandLine(QStringLiteral("pong"), QString()), QStringLiteral("mame pong"));
        QCOMPARE(
            launchCommandLine(QStringLiteral("pong"), QStringLiteral("-Video  None -SOUND none")),
            QStringLiteral("mame pong -video none -sound none"));
        // One left-to-right pass: four blanks leave two, three leave two.
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("a    b   c")), QStringLiteral("a  b  c"));
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("ÉCRAN Ω")), QStringLiteral("écran ω"));
    }

    void quotedTextPassesUnchanged()
    {
        QCOMPARE(launchCommandLine(QStringLiteral("pong"),
                                   QStringLiteral("-Snapshot_Directory '/Home/My  Snaps' -X")),
                 QStringLiteral("mame pong -snapshot_directory '/Home/My  Snaps' -x"));
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("-A \"/P Q/\\\"R\\\"\" -B")),
                 QStringLiteral("-a \"/P Q/\\\"R\\\"\" -b"));
        // A single quote inside double quotes does not open a second quote, and the reverse.
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("\"It's\" X 'A\"B' Y")),
                 QStringLiteral("\"It's\" x 'A\"B' y"));
        // An escaped quote opens nothing; an unclosed quote runs to the end.
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("\\'A B 'C D")),
                 QStringLiteral("\\'a b 'C D"));
        // Outside quotes a backslash keeps nothing from being lowered.
        QCOMPARE(normaliseLaunchCommand(QStringLiteral("-Cfg_Directory My\\ CFG\\X -\\Q")),
                 QStringLiteral("-cfg_directory my\\ cfg\\x -\\q"));
    }
};

QTEST_GUILESS_MAIN(TestLaunchCommand)
#include "test_launchcommand.moc"
