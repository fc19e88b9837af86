// mamediff against hand-made pairs of machine lists whose differences are known, in both layouts.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A set of a hand-made list. ROMs are "name:crc", with ":merge" when the list marks the file as
// coming from the parent or BIOS.
struct Set
{
    QString name;
    QString attributes; // cloneof, romof, isbios, isdevice as they stand in the start tag
    QString description;
    QStringList roms;
    QStringList devices;
    QString year = QStringLiteral("1981");
    QString status = QStringLiteral("good");
};
using Sets = QList<Set>;

enum Layout
{
    GameLayout,
    MachineLayout
};

QByteArray listOf(Layout layout, const Sets& sets, bool closed = true)
{
    const QString element = layout == GameLayout ? "game" : "machine";
    QString xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (" + element +
                  "+)>\n]>\n\n<mame build=\"0.251\">\n";
    for (const Set& s : sets) {
        xml += "\t<" + element + " name=\"" + s.name + "\" sourcefile=\"x.cpp\"" +
               (s.attributes.isEmpty() ? "" : " " + s.attributes) + ">\n";
        xml += "\t\t<description>" + s.description + "</description>\n";
        xml += "\t\t<year>" + s.year + "</year>\n\t\t<manufacturer>Namco</manufacturer>\n";
        for (const QString& rom : s.roms) {
            const QStringList p = rom.split(':');
            xml += "\t\t<rom name=\"" + p[0] + "\"" +
                   (p.size() > 2 ? " merge=\"" + p[0] + "\"" : "") + " size=\"4096\" crc=\"" +
                   p[1] + "\" sha1=\"" + p[1].repeated(5) +
                   "\" region=\"maincpu\" offset=\"0\"/>\n";
        }
        for (const QString& device : s.devices)
            xml += "\t\t<device_ref name=\"" + device + "\"/>\n";
        xml += "\t\t<driver status=\"" + s.status + "\" emulation=\"good\"/>\n";
        xml += "\t</" + element + ">\n";
    }
    return (xml + (closed ? "</mame>\n" : "")).toUtf8();
}

// The old list of every case: a parent and its clone, a BIOS with a game on it, a device with
// a ROM and a game that uses it, a set that goes away and one that gets a new name.
Sets oldSets()
{
    return {
        {"puckman", "", "PuckMan (Japan set 1)", {"pm1.6e:11111111", "pm1.6k:22222222"}, {}},
        {"pacman",
         "cloneof=\"puckman\" romof=\"puckman\"",
         "Pac-Man (Midway)",
         {"pm1.6e:11111111:merge", "pacman.6f:33333333"},
         {}},
        {"neogeo", "isbios=\"yes\"", "Neo-Geo", {"sp-s2.sp1:44444444"}, {}},
        {"mslug",
         "romof=\"neogeo\"",
         "Metal Slug",
         {"sp-s2.sp1:44444444:merge", "201-p1.p1:55555555"},
         {}},
        {"namco51", "isdevice=\"yes\" runnable=\"no\"", "Namco 51xx", {"51xx.bin:66666666"}, {}},
        {"galaga", "", "Galaga &amp; Friends", {"gg1.1:77777777"}, {"namco51"}},
        {"oldname", "", "Renamed Game", {"r1.bin:88888888", "r2.bin:99999999"}, {}},
        {"gone", "", "Dropped Game", {"g.bin:aaaaaaaa"}, {}},
    };
}

Sets setWhere(Sets sets, const QString& name, const std::function<void(Set&)>& change)
{
    for (Set& s : sets)
        if (s.name == name)
            change(s);
    return sets;
}

// The new list: the clone's own ROM, the BIOS ROM, the device ROM and galaga's description,
// year and status changed; gone removed, oldname renamed, fresh added.
Sets newSets()
{
    Sets sets = oldSets();
    sets = setWhere(sets, "pacman", [](Set& s) { s.roms[1] = "pacman.6f:3333333f"; });
    sets = setWhere(sets, "neogeo", [](Set& s) { s.roms[0] = "sp-s2.sp1:4444444f"; });
    sets = setWhere(sets, "mslug", [](Set& s) { s.roms[0] = "sp-s2.sp1:4444444f:merge"; });
    sets = setWhere(sets, "namco51", [](Set& s) { s.roms[0] = "51xx.bin:6666666f"; });
    sets = setWhere(sets, "galaga", [](Set& s) {
        s.description = "Galaga (Namco rev. B)";
        s.year = "1982";
        s.status = "imperfect";
    });
    sets = setWhere(sets, "oldname", [](Set& s) { s.name = "newname"; });
    sets.removeIf([](const Set& s) { return s.name == "gone"; });
    sets.append({"fresh", "", "Fresh Game", {"f.bin:bbbbbbbb"}, {}});
    return sets;
}

struct Run
{
    int status = -1;
    QByteArray log;
    bool logWritten = false;
};

} // namespace

class MameDiffToolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    Run run(const QStringList& arguments)
    {
        QFile::remove(m_dir.filePath("mamediff.log"));
        QProcess tool;
        tool.setWorkingDirectory(m_dir.path());
        tool.start(VELMORA_MAMEDIFF_BINARY, arguments);
        if (!tool.waitForFinished(60000))
            qFatal("mamediff did not end");
        Run r;
        r.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
        QFile log(m_dir.filePath("mamediff.log"));
        r.logWritten = log.open(QIODevice::ReadOnly);
        r.log = log.readAll();
        return r;
    }

private slots:
    void reportsNameWhatChanged_data()
    {
        QTest::addColumn<int>("oldLayout");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");

        const QStringList summary{
            "--- Summary",
            "Added sets: 1",
            "Removed sets: 1",
            "Renamed sets, same ROMs under a new name: 1",
            "Changed sets: 5",
            "fresh           Fresh Game",
            "gone            Dropped Game",
            "oldname -> newname         Renamed Game",
            "galaga: description \"Galaga & Friends\" -> \"Galaga (Namco rev. B)\"",
            "galaga: year \"1981\" -> \"1982\"",
            "galaga: driver status \"good\" -> \"imperfect\"",
            "pacman: ROMs 1 changed (pacman.6f)",
            "mslug: ROMs 1 changed (sp-s2.sp1)",
            "neogeo: ROMs 1 changed (sp-s2.sp1)",
            "namco51: ROMs 1 changed (51xx.bin)",
        };
        QTest::newRow("summary, today's layout")
            << int(MachineLayout) << "" << summary << QStringList{"puckman:", "galaga: ROMs"};
        // The older layout has no devices; the rest reads the same.
        QTest::newRow("summary, older layout against today's")
            << int(GameLayout) << "" << summary << QStringList{"puckman:"};
        // Merged-split: the clone's change is the parent's set; the BIOS ROM stays in the BIOS
        // set and the device's in the device's.
        QTest::newRow("merged-split") << int(MachineLayout) << "-s"
                                      << QStringList{"--- Changed merged-split sets (3)",
                                                     "puckman         1 changed (pacman.6f)",
                                                     "neogeo          1 changed (sp-s2.sp1)",
                                                     "namco51         1 changed (51xx.bin)",
                                                     "--- New merged-split sets (2)",
                                                     "fresh           1 file",
                                                     "newname         2 files",
                                                     "--- Removed merged-split sets (2)",
                                                     "gone            1 file"}
                                      << QStringList{"pacman ", "mslug ", "galaga "};
        // Full-split: every set with what it takes from its parent, BIOS and devices.
        QTest::newRow("full-split") << int(MachineLayout) << "-n"
                                    << QStringList{"--- Changed full-split sets (5)",
                                                   "pacman          1 changed (pacman.6f)",
                                                   "mslug           1 changed (sp-s2.sp1)",
                                                   "galaga          1 changed (51xx.bin)",
                                                   "neogeo ",
                                                   "namco51 "}
                                    << QStringList{"puckman "};
    }

    void reportsNameWhatChanged()
    {
        QFETCH(int, oldLayout);
        QFETCH(QString, option);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QString oldList = write("old.xml", listOf(Layout(oldLayout), oldSets()));
        const QString newList = write("new.xml", listOf(MachineLayout, newSets()));
        QStringList arguments{oldList, newList};
        if (!option.isEmpty())
            arguments.prepend(option);
        const Run r = run(arguments);
        QCOMPARE(r.status, 0);
        const QString log = QString::fromUtf8(r.log);
        for (const QString& line : present)
            QVERIFY2(log.contains(line), qPrintable(line + " missing from:\n" + log));
        for (const QString& text : absent)
            QVERIFY2(!log.contains(text), qPrintable(text + " unexpected in:\n" + log));
    }

    // The same sets in either layout are no change, in every report: the log is empty.
    void sameSetsInEitherLayoutAreNoChange()
    {
        const QString oldList = write("old.xml", listOf(GameLayout, oldSets()));
        const QString newList = write("new.xml", listOf(MachineLayout, oldSets()));
        for (const QString& option : {"", "-s", "-n"}) {
            QStringList arguments{oldList, newList};
            if (!option.isEmpty())
                arguments.prepend(option);
            const Run r = run(arguments);
            QCOMPARE(r.status, 0);
            QVERIFY(r.logWritten);
            QCOMPARE(r.log, QByteArray());
        }
    }

    // A list that cannot be compared is refused with the reason in the log; nothing else is said.
    void badListsAreExplainedInTheLog_data()
    {
        QTest::addColumn<QByteArray>("newList");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut off") << listOf(MachineLayout, oldSets(), false).left(900)
                                 << "ends before its closing </mame> line";
        QTest::newRow("empty") << QByteArray() << "holds no machine list";
        QTest::newRow("garbage") << QByteArray("\x01\xff\x00<<>>\x7f\n\x00\x00", 11)
                                 << "holds no machine list";
    }

    void badListsAreExplainedInTheLog()
    {
        QFETCH(QByteArray, newList);
        QFETCH(QString, reason);
        const QString oldList = write("old.xml", listOf(MachineLayout, oldSets()));
        const Run r = run({oldList, write("new.xml", newList)});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.log.contains("The new list ") && r.log.contains(reason.toUtf8()), r.log);

        const Run missing = run({"-s", m_dir.filePath("none.xml"), oldList});
        QCOMPARE(missing.status, 1);
        QVERIFY2(missing.log.contains("The old list") && missing.log.contains("File not found"),
                 missing.log);
    }

    void commandLine()
    {
        QProcess help;
        help.start(VELMORA_MAMEDIFF_BINARY, {"--help"});
        QVERIFY(help.waitForFinished());
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().contains("usage: mamediff [-s | -n]"));
        QCOMPARE(run({"-x", "a", "b"}).status, 2);
        QCOMPARE(run({"only-one"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(MameDiffToolTest)
#include "test_mamedifftool.moc"
