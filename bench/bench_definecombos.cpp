// DefineCombos runs at every start: how long it takes over a resource list the size of today's
// MAME (about 4 MB: BIOS machines with their sets among many device machines). The list is made
// once and kept beside the benchmark. Run: ./bench_definecombos [resource.txt]
#include "emulator_settings/DefineCombos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace velmora;

namespace {

QByteArray machine(int n, bool bios)
{
    QByteArray m = "\t<machine name=\"m" + QByteArray::number(n) + "\" sourcefile=\"dev/m" +
                   QByteArray::number(n) + ".cpp\"" +
                   (bios ? " isbios=\"yes\">\n" : " isdevice=\"yes\" runnable=\"no\">\n");
    m += "\t\t<description>Machine " + QByteArray::number(n) + "</description>\n";
    m += "\t\t<year>1995</year>\n\t\t<manufacturer>Maker</manufacturer>\n";
    for (int b = 0; b < (bios ? 4 : 1); ++b)
        m += "\t\t<biosset name=\"set" + QByteArray::number(b) + "\" description=\"Set\"/>\n";
    for (int r = 0; r < 8; ++r)
        m += "\t\t<rom name=\"r" + QByteArray::number(r) +
             ".bin\" size=\"65536\" crc=\"12345678\" "
             "sha1=\"0123456789abcdef0123456789abcdef01234567\" "
             "region=\"maincpu\" offset=\"0\"/>\n";
    m += "\t\t<chip type=\"cpu\" tag=\"maincpu\" name=\"Z80\" clock=\"4000000\"/>\n";
    m += "\t</machine>\n";
    return m;
}

QString makeResourceList(const QString& path)
{
    if (QFileInfo(path).size() > 0)
        return path;
    QByteArray all;
    for (int n = 0; all.size() < 4'000'000; ++n)
        all += machine(n, n % 20 == 0);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(all);
    return path;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString resource =
        argc > 1
            ? QString::fromLocal8Bit(argv[1])
            : makeResourceList(app.applicationDirPath() + QStringLiteral("/bench-resource.txt"));
    OptionLists lists;
    QElapsedTimer timer;
    qint64 best = -1;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        DefineCombos(resource, QString(), &lists);
        const qint64 ms = timer.elapsed();
        best = best < 0 ? ms : std::min(best, ms);
    }
    std::printf("DefineCombos over %s (%lld bytes): best of 5 %lld ms, %lld BIOS entries\n",
                qPrintable(resource), static_cast<long long>(QFileInfo(resource).size()),
                static_cast<long long>(best),
                static_cast<long long>(lists.entries(Option::Bios).size()));
    return 0;
}
