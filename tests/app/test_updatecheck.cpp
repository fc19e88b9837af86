// The update page's version against the program's, the news stamp that decides what start-up
// shows, and the plain text made of whatever the web site sends.
#include "app/NewsText.h"
#include "app/UpdateCheck.h"

#include <QTest>

using namespace velmora;

namespace {

// An update page whose version line starts at `at` (the rest is filler).
QString pageWithVersion(const QString& version, qsizetype at)
{
    return QString(at, u'x') + QStringLiteral("Version ") + version + QStringLiteral("<br>tail");
}

const QString kSite = QStringLiteral("http://site.test");

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void localVersionJoinsTheParts()
    {
        QCOMPARE(versionNumber(4, 0, 0), 400);
        QCOMPARE(versionNumber(4, 1, 2), 412);
        QCOMPARE(localVersion(), 400);
    }

    void publishedVersionAndAnswer_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("published");
        QTest::addColumn<QString>("answer");
        const QString same = updateAnswer(400, 400, kSite);
        const QString older = updateAnswer(41, 400, kSite);
        const QString newer = updateAnswer(401, 400, kSite);
        QTest::newRow("4.00 is this version") << pageWithVersion("4.00", 1200) << 400 << same;
        QTest::newRow("4.1 reads 41, older") << pageWithVersion("4.1", 1000) << 41 << older;
        QTest::newRow("4.0.1 is newer") << pageWithVersion("4.0.1", 1500) << 401 << newer;
        QTest::newRow("blanks before the number") << pageWithVersion(" 4.00", 1100) << 400 << same;
        QTest::newRow("marker inside the first 1000 unseen")
            << pageWithVersion("4.00", 999) << 0 << QString();
        QTest::newRow("marker beyond 2000 unread")
            << pageWithVersion("4.00", 1995) << 0 << QString();
        QTest::newRow("no <br> after it")
            << QString(1200, u'x') + QStringLiteral("Version 4.00") << 0 << QString();
        QTest::newRow("no digits") << pageWithVersion("soon", 1200) << 0 << QString();
        QTest::newRow("digits beyond 32 bits")
            << pageWithVersion("99999999999", 1200) << 0 << QString();
    }
    void publishedVersionAndAnswer()
    {
        QFETCH(QString, page);
        QFETCH(int, published);
        QFETCH(QString, answer);
        QCOMPARE(publishedVersion(page), published);
        if (published > 0)
            QCOMPARE(updateAnswer(published, localVersion(), kSite), answer);
    }

    void newsStampDecidesStartUp_data()
    {
        QTest::addColumn<QString>("news");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("stamp");
        QTest::addColumn<bool>("shown");
        QTest::newRow("same stamp") << "20261205Hello"
                                    << "20261205"
                                    << "20261205" << false;
        QTest::newRow("new stamp") << "20261206Hello"
                                   << "20261205"
                                   << "20261206" << true;
        QTest::newRow("announcement always") << "20261205;Hi"
                                             << "20261205"
                                             << "20261205" << true;
        QTest::newRow("short news whole") << "Hi"
                                          << ""
                                          << "Hi" << true;
        QTest::newRow("short news again") << "Hi"
                                          << "Hi"
                                          << "Hi" << false;
        QTest::newRow("line break in stamp") << "ab\r\ncdefgh"
                                             << "ab  cdef"
                                             << "ab  cdef" << false;
        QTest::newRow("empty news, nothing stored") << ""
                                                    << ""
                                                    << "" << false;
    }
    void newsStampDecidesStartUp()
    {
        QFETCH(QString, news);
        QFETCH(QString, stored);
        QFETCH(QString, stamp);
        QFETCH(bool, shown);
        QCOMPARE(newsStamp(news), stamp);
        QCOMPARE(showNewsAtStartUp(news, stored), shown);
    }

    void webTextIsPlain_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\r\n") << QString::fromUtf8("café\r\n")
                               << 0;
        QTest::newRow("latin-1") << QByteArray("caf\xe9") << QString::fromUtf8("café") << 0;
        QTest::newRow("utf-8 cut at the limit")
            << QByteArray("caf\xc3\xa9 \xe2\x82") << QString::fromUtf8("café ") << 8;
        QTest::newRow("binary controls replaced")
            << QByteArray("a\0b\x1b\tc", 6) << QString::fromUtf8("a\uFFFDb\uFFFD\tc") << 0;
        QTest::newRow("html stays text")
            << QByteArray("<script>x()</script>") << QString("<script>x()</script>") << 0;
    }
    void webTextIsPlain()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QFETCH(int, limit);
        QCOMPARE(plainTextFromWeb(body, limit ? limit : -1), text);
    }
};

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "test_updatecheck.moc"
