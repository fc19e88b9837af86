// mamediff against hand-made pairs of machine lists whose differences are known, in both layouts.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A set of a hand-made list. Its files are "name:c" (c repeated is the checksum), with ":merge"
// when the list marks the file as coming from the parent or BIOS, or "@device" for a device used.
struct Set
{
    QString name;
    QString attributes; // cloneof, romof, isbios, isdevice as they stand in the start tag
    QString description;
    QString files;
    QString year = QStringLiteral("1981");
    QString status = QStringLiteral("good");
};

QByteArray listOf(bool machine, const QList<Set>& sets)
{
    const QString element = machine ? "machine" : "game";
    QString xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (" + element +
                  "+)>\n]>\n\n<mame build=\"0.251\">\n";
    for (const Set& s : sets) {
        xml += "\t<" + element + " name=\"" + s.name + "\" sourcefile=\"x.cpp\" " + s.attributes +
               ">\n\t\t<description>" + s.description + "</description>\n\t\t<year>" + s.year +
               "</year>\n\t\t<manufacturer>Namco</manufacturer>\n";
        for (const QString& file : s.files.split(' ')) {
            const QStringList p = file.split(':');
            if (file.startsWith('@'))
                xml += "\t\t<device_ref name=\"" + file.mid(1) + "\"/>\n";
            else
                xml += "\t\t<rom name=\"" + p[0] + "\"" +
                       (p.size() > 2 ? " merge=\"" + p[0] + "\"" : "") + " size=\"4096\" crc=\"" +
                       p[1].repeated(8) + "\" sha1=\"" + p[1].repeated(40) +
                       "\" region=\"maincpu\" offset=\"0\"/>\n";
        }
        xml +=
            "\t\t<driver status=\"" + s.status + "\" emulation=\"good\"/>\n\t</" + element + ">\n";
    }
    return (xml + "</mame>\n").toUtf8();
}

// The old list of every case: a parent and its clone, a BIOS with a game on it, a device with
// a ROM and a game that uses it, a set that goes away and one that gets a new name.
QList<Set> oldSets()
{
    return {{"puckman", "", "PuckMan (Japan set 1)", "pm1.6e:1 pm1.6k:2"},
            {"pacman", "cloneof=\"puckman\" romof=\"puckman\"", "Pac-Man (Midway)",
             "pm1.6e:1:merge pacman.6f:3"},
            {"neogeo", "isbios=\"yes\"", "Neo-Geo", "sp-s2.sp1:4"},
            {"mslug", "romof=\"neogeo\"", "Metal Slug", "sp-s2.sp1:4:merge 201-p1.p1:5"},
            {"namco51", "isdevice=\"yes\" runnable=\"no\"", "Namco 51xx", "51xx.bin:6"},
            {"galaga", "", "Galaga &amp; Friends", "gg1.1:7 @namco51"},
            {"oldname", "", "Renamed Game", "r1.bin:8 r2.bin:9"},
            {"gone", "", "Dropped Game", "g.bin:a"}};
}

// The new list: the clone's own ROM, the BIOS ROM, the device ROM and galaga's description,
// year and status changed; oldname renamed, gone replaced by fresh.
QList<Set> newSets()
{
    QList<Set> sets = oldSets();
    sets[1].files = "pm1.6e:1:merge pacman.6f:f";
    sets[2].files = "sp-s2.sp1:e";
    sets[3].files = "sp-s2.sp1:e:merge 201-p1.p1:5";
    sets[4].files = "51xx.bin:d";
    sets[5] = {"galaga", "", "Galaga (Namco rev. B)", "gg1.1:7 @namco51", "1982", "imperfect"};
    sets[6].name = "newname";
    sets[7] = {"fresh", "", "Fresh Game", "f.bin:b"};
    return sets;
}

} // namespace

class MameDiffToolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : "unwritten";
    }

    // The tool's exit status and its log ("no log" when it wrote none).
    std::pair<int, QByteArray> run(QStringList arguments)
    {
        arguments.removeAll(QString());
        QFile log(m_dir.filePath("mamediff.log"));
        log.remove();
        QProcess tool;
        tool.setWorkingDirectory(m_dir.path());
        tool.start(VELMORA_MAMEDIFF_BINARY, arguments);
        const bool ended = tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit;
        return {ended ? tool.exitCode() : -1,
                log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray("no log")};
    }

private slots:
    // Each report names what changed and nothing it must leave out (lines separated by |, those
    // left out marked with !).
    void reportsAndRefusals()
    {
        const QString summary =
            "--- Summary|Added sets: 1|Removed sets: 1|Renamed sets, same ROMs under a new name: "
            "1|Changed sets: 5|fresh           Fresh Game|gone            Dropped Game|oldname -> "
            "newname         Renamed Game|galaga: description \"Galaga & Friends\" -> \"Galaga "
            "(Namco rev. B)\"|galaga: year \"1981\" -> \"1982\"|galaga: driver status \"good\" -> "
            "\"imperfect\"|pacman: ROMs 1 changed (pacman.6f)|mslug: ROMs 1 changed "
            "(sp-s2.sp1)|neogeo: ROMs 1 changed (sp-s2.sp1)|namco51: ROMs 1 changed (51xx.bin)";
        const std::pair<const char*, QString> reports[] = {
            {"", summary + "|!puckman:|!galaga: ROMs"},
            // Merged-split: the clone's change is the parent's set; the BIOS ROM stays in the
            // BIOS set and the device's in the device's.
            {"-s",
             "--- Changed merged-split sets (3)|puckman         1 changed (pacman.6f)|neogeo    "
             "      1 changed (sp-s2.sp1)|namco51         1 changed (51xx.bin)|--- New "
             "merged-split sets (2)|fresh           1 file|newname         2 files|--- Removed "
             "merged-split sets (2)|gone            1 file|!pacman |!mslug |!galaga "},
            // Full-split: every set with what it takes from its parent, BIOS and devices.
            {"-n",
             "--- Changed full-split sets (5)|pacman          1 changed (pacman.6f)|mslug      "
             "     1 changed (sp-s2.sp1)|galaga          1 changed (51xx.bin)|neogeo |namco51 "
             "|!puckman "}};
        const QString oldList = write("old.xml", listOf(true, oldSets()));
        const QString newList = write("new.xml", listOf(true, newSets()));
        for (const auto& [option, lines] : reports) {
            const auto [status, log] = run({option, oldList, newList});
            const QString text = QString::fromUtf8(log);
            QVERIFY2(status == 0, qPrintable(text));
            for (const QString& line : lines.split('|')) {
                const bool leftOut = line.startsWith('!');
                QVERIFY2(text.contains(line.mid(leftOut)) != leftOut,
                         qPrintable(line + " in:\n" + text));
            }
        }

        // The same sets in either layout are no change in every report: the log is empty. Lists
        // that cannot be compared and wrong command lines are refused, the reason in the log.
        const QString sameList = write("same.xml", listOf(false, oldSets()));
        for (const QString& option : {"", "-s", "-n"})
            QCOMPARE(run({option, sameList, oldList}), std::pair(0, QByteArray()));
        const std::pair<QStringList, const char*> bad[] = {
            {{oldList, write("new.xml", listOf(true, oldSets()).left(900))},
             "ends before its closing </mame> line"},
            {{write("bad.xml", QByteArray("\x01\xff\x00<<>>\x7f\n", 9)), oldList},
             "holds no machine list"},
            {{"-s", m_dir.filePath("none.xml"), oldList}, "File not found"}};
        for (const auto& [arguments, reason] : bad) {
            const auto [status, log] = run(arguments);
            QVERIFY2(status == 1 && log.contains(reason), log);
        }
        QCOMPARE(run({"-x", "a", "b"}).first, 2);
    }
};

QTEST_GUILESS_MAIN(MameDiffToolTest)
#include "test_mamedifftool.moc"
