#include "gamedb/GameRecord.h"

#include <QTest>

using velmora::GameRecord;

class TestGameRecord : public QObject
{
    Q_OBJECT
private slots:
    // A record's line reads back to the same fields, padding kept; a line with too few fields,
    // or none, is no record.
    void lineRoundTripKeepsPaddingAndReferencesAndRejectsMalformedLines()
    {
        GameRecord r, back;
        r.resetToDefaults();
        r[GameRecord::Palette] = "    16";
        QVERIFY(GameRecord::fromLine(r.toLine() + "\r\n", &back));
        QCOMPARE(back.fields, r.fields);
        for (const char* line : {"\"a\",\"b\"", "not a record", ""})
            QVERIFY2(!GameRecord::fromLine(line, &r), line);
    }
};

QTEST_GUILESS_MAIN(TestGameRecord)
#include "test_gamerecord.moc"
