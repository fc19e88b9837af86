#pragma once
// Set-up shared by the tests that drive Debian's MAME itself rather than the fake one.
#include "support/TempProgram.h"

#include <QFileInfo>
#include <QTest>

namespace velmora::testing {

inline const QString kRealMameProgram = QStringLiteral("/usr/games/mame");

inline bool realMameInstalled()
{
    return QFileInfo(kRealMameProgram).isExecutable();
}

} // namespace velmora::testing

// Skips the calling test when Debian's MAME is not installed.
#define SKIP_WITHOUT_REAL_MAME()                                                                   \
    do {                                                                                           \
        if (!velmora::testing::realMameInstalled())                                                \
            QSKIP("Debian's MAME is not installed");                                               \
    } while (false)

// Skips without Debian's MAME; otherwise points HOME at the program's own home folder (so MAME
// never touches the user's ~/.mame) and links the real mame into the program's MAME folder.
#define USE_REAL_MAME(program)                                                                     \
    do {                                                                                           \
        SKIP_WITHOUT_REAL_MAME();                                                                  \
        QVERIFY((program).isValid());                                                              \
        (program).setTemporaryHome();                                                              \
        QVERIFY((program).linkMame(velmora::testing::kRealMameProgram));                           \
    } while (false)
