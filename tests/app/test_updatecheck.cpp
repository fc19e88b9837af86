// The update page's version against the program's, the news stamp that decides what start-up
// shows, and the plain text made of whatever the web site sends.
#include "app/NewsText.h"
#include "app/UpdateCheck.h"

#include <QTest>

#include <tuple>

using namespace velmora;

class UpdateCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void publishedVersionNewsStampAndWebText()
    {
        QCOMPARE(localVersion(), 400);
        // An update page whose version line starts at `at` (the rest is filler).
        const auto page = [](const QString& version, qsizetype at) {
            return QString(at, u'x') + QStringLiteral("Version ") + version + "<br>tail";
        };
        // Row name, page, version found (0: none).
        const std::tuple<const char*, QString, int> versions[] = {
            {"4.00 is this version", page("4.00", 1200), 400},
            {"4.1 reads 41, older", page("4.1", 1000), 41},
            {"4.0.1 is newer", page("4.0.1", 1500), 401},
            {"blanks before the number", page(" 4.00", 1100), 400},
            {"marker inside the first 1000 unseen", page("4.00", 999), 0},
            {"marker beyond 2000 unread", page("4.00", 1995), 0},
            {"no <br> after it", QString(1200, u'x') + "Version 4.00", 0},
            {"no digits", page("soon", 1200), 0},
            {"digits beyond 32 bits", page("99999999999", 1200), kVersionTooLarge}};
        for (const auto& [name, text, published] : versions)
            QVERIFY2(publishedVersion(text) == published, name);

        // News, stored stamp, the news's stamp, shown at start-up.
        const std::tuple<QString, QString, QString, bool> news[] = {
            {"20261205Hello", "20261205", "20261205", false},
            {"20261206Hello", "20261205", "20261206", true},
            {"20261205;Hi", "20261205", "20261205", true}, // an announcement always shows
            {"Hi", "", "Hi", true},
            {"Hi", "Hi", "Hi", false},
            {"ab\r\ncdefgh", "ab  cdef", "ab  cdef", false},
            {"", "", "", false}};
        for (const auto& [text, stored, stamp, shown] : news) {
            QCOMPARE(newsStamp(text), stamp);
            QVERIFY2(showNewsAtStartUp(text, stored) == shown, qPrintable(text));
        }

        // Body, plain text, byte limit (-1: none).
        const std::tuple<QByteArray, QString, int> bodies[] = {
            {"caf\xc3\xa9\r\n", QString::fromUtf8("café\r\n"), -1},
            {"caf\xe9", QString::fromUtf8("café"), -1},              // Latin-1
            {"caf\xc3\xa9 \xe2\x82", QString::fromUtf8("café "), 8}, // UTF-8 cut at the limit
            {QByteArray("a\0b\x1b\tc", 6), QString::fromUtf8("a\uFFFDb\uFFFD\tc"), -1},
            {"<script>x()</script>", "<script>x()</script>", -1}};
        for (const auto& [body, text, limit] : bodies)
            QCOMPARE(plainTextFromWeb(body, limit), text);
    }
};

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "test_updatecheck.moc"
