#include "support/FakeMame.h"

#include "gamedb/ExecCmd.h"
#include "support/TempProgram.h"

#include <QFile>

namespace velmora::testing {
namespace {

// The folder is written into the script (quoted), so the script finds its files whatever name
// it was started by.
QByteArray scriptText(const QString& folder)
{
    QByteArray text = "#!/bin/sh\n"
                      "# Test stand-in for mame: records each run and prints prepared answers.\n"
                      "dir=";
    text += shellQuote(folder).toUtf8();
    text +=
        "\n"
        "printf '%s\\n' \"$@\" > \"$dir/fake-mame-args.txt\"\n"
        "pwd -P > \"$dir/fake-mame-cwd.txt\"\n"
        "printf '%s\\n' \"$*\" >> \"$dir/fake-mame-calls.txt\"\n"
        "if [ -f \"$dir/fake-mame-silent\" ]; then exit \"$(cat \"$dir/fake-mame-silent\")\"; fi\n"
        "if [ -f \"$dir/fake-mame-delay\" ]; then sleep \"$(cat \"$dir/fake-mame-delay\")\"; fi\n"
        "for arg in \"$@\"; do\n"
        "  case \"$arg\" in\n"
        "    "
        "-listxml|-listcrc|-showusage|-help|-verifyroms|-verifysamples|-listroms|-listsamples)\n"
        "      name=${arg#-}\n"
        "      [ -f \"$dir/fake-$name.out\" ] && cat \"$dir/fake-$name.out\"\n"
        "      [ -f \"$dir/fake-$name.err\" ] && cat \"$dir/fake-$name.err\" >&2\n"
        "      exit 0 ;;\n"
        "  esac\n"
        "done\n"
        "exit 0\n";
    return text;
}

QStringList linesOf(const QString& path)
{
    QString text = QString::fromUtf8(TempProgram::readFile(path));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() && !QFile::exists(path) ? QStringList() : text.split(u'\n');
}

} // namespace

FakeMame::FakeMame(const QString& mameFolder) : m_folder(mameFolder)
{
    QFile::remove(scriptPath());
    m_installed =
        TempProgram::writeFile(scriptPath(), scriptText(mameFolder)) &&
        QFile::setPermissions(scriptPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup |
                                                QFile::ReadOther | QFile::ExeOther);
}

bool FakeMame::answer(const QString& option, const QString& file, Stream stream)
{
    const QString name = option.startsWith(u'-') ? option.mid(1) : option;
    const QString target =
        m_folder + QStringLiteral("/fake-") + name +
        (stream == OutputStream ? QStringLiteral(".out") : QStringLiteral(".err"));
    QFile::remove(target);
    return QFile::copy(file, target);
}

void FakeMame::setSilentExit(int status)
{
    const QString flag = recordFile("fake-mame-silent");
    if (status < 0)
        QFile::remove(flag);
    else
        TempProgram::writeFile(flag, QByteArray::number(status) + '\n');
}

void FakeMame::setDelay(double seconds)
{
    const QString flag = recordFile("fake-mame-delay");
    if (seconds <= 0)
        QFile::remove(flag);
    else
        TempProgram::writeFile(flag, QByteArray::number(seconds) + '\n');
}

QStringList FakeMame::arguments() const
{
    return linesOf(recordFile("fake-mame-args.txt"));
}

QString FakeMame::workingFolder() const
{
    return QString::fromUtf8(TempProgram::readFile(recordFile("fake-mame-cwd.txt"))).trimmed();
}

QStringList FakeMame::calls() const
{
    return linesOf(recordFile("fake-mame-calls.txt"));
}

void FakeMame::clearRecord()
{
    for (const char* name : {"fake-mame-args.txt", "fake-mame-cwd.txt", "fake-mame-calls.txt"})
        QFile::remove(recordFile(name));
}

QString FakeMame::recordFile(const char* name) const
{
    return m_folder + u'/' + QLatin1String(name);
}

} // namespace velmora::testing
