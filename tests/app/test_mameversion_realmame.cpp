// MAME's version as the About window shows it, asked of Debian's real MAME.
#include "app/MameVersion.h"
#include "support/RealMame.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class MameVersionRealMameTest : public QObject
{
    Q_OBJECT
private slots:
    void realMameNamesItsVersion()
    {
        TempProgram program;
        USE_REAL_MAME(program);
        const auto version = askMameVersion(program.paths(), program.mameFolder());
        QVERIFY(version.has_value());
        QVERIFY2(version->startsWith("MAME Version 0."), qPrintable(*version));
        QVERIFY(!version->contains('('));
        QVERIFY(!QFile::exists(program.paths().report("version.txt")));
    }
};

QTEST_GUILESS_MAIN(MameVersionRealMameTest)
#include "test_mameversion_realmame.moc"
