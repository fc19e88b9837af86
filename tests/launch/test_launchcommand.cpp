#include "launch/LaunchCommand.h"

#include <QTest>

using velmora::normaliseLaunchCommand;

class TestLaunchCommand : public QObject
{
    Q_OBJECT
private slots:
    // Outside quotes letters are lowered and blanks collapsed in one left-to-right pass (four
    // blanks leave two, three leave two); quoted text passes unchanged.
    void normalise()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"-Snap_Dir '/Home/My  Snaps' -X", "-snap_dir '/Home/My  Snaps' -x"},
            {"a    b   c", "a  b  c"},
            {"ÉCRAN Ω", "écran ω"},
            {"-A \"/P Q/\\\"R\\\"\" -B", "-a \"/P Q/\\\"R\\\"\" -b"},
            // A single quote inside double quotes does not open a second quote, and the reverse.
            {"\"It's\" X 'A\"B' Y", "\"It's\" x 'A\"B' y"},
            // An escaped quote opens nothing; an unclosed quote runs to the end.
            {"\\'A B 'C D", "\\'a b 'C D"},
            // Outside quotes a backslash keeps nothing from being lowered.
            {"-Cfg_Directory My\\ CFG\\X -\\Q", "-cfg_directory my\\ cfg\\x -\\q"},
        };
        for (const auto& [in, out] : cases)
            QCOMPARE(normaliseLaunchCommand(QString::fromUtf8(in)), QString::fromUtf8(out));
    }
};

QTEST_GUILESS_MAIN(TestLaunchCommand)
#include "test_launchcommand.moc"
