#include "gamedb/GameRecord.h"

#include <QTest>

using velmora::GameRecord;

class TestGameRecord : public QObject
{
    Q_OBJECT
private slots:
    void lineRoundTripKeepsPaddingAndReferencesAndRejectsMalformedLines()
    {
        GameRecord r;
        r.resetToDefaults();
        r[GameRecord::Game] = "Pac-Man &amp; Friends";
        r[GameRecord::Rom] = "pacman";
        r[GameRecord::Palette] = "    16";
        r[GameRecord::Display] = " 224x288";
        const QByteArray line = r.toLine();
        QVERIFY(line.startsWith("\"Pac-Man &amp; Friends\",\"19??\",\"\""));
        QVERIFY(line.contains(",\"    16\","));
        QVERIFY(line.endsWith(",\"Original\",\"pacman\",\"?\",\"N/A\",\"No\""));

        GameRecord back;
        QVERIFY(GameRecord::fromLine(line + "\r\n", &back));
        QCOMPARE(back.fields, r.fields);

        // Malformed lines are rejected.
        QVERIFY(!GameRecord::fromLine("\"a\",\"b\"", &r));
        QVERIFY(!GameRecord::fromLine("not a record", &r));
        QVERIFY(!GameRecord::fromLine(QByteArray(), &r));
    }
};

QTEST_GUILESS_MAIN(TestGameRecord)
#include "test_gamerecord.moc"
