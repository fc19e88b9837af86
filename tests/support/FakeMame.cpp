#include "support/FakeMame.h"

#include "gamedb/ExecCmd.h"
#include "support/TempProgram.h"

#include <QFile>

namespace velmora::testing {
namespace {

// The folder is written into the script (quoted), so the script finds its files whatever name
// it was started by. It records each run, then prints the answers prepared for its option.
QByteArray scriptText(const QString& folder)
{
    return R"sh(#!/bin/sh
dir=)sh" + shellQuote(folder).toUtf8() +
           R"sh(
printf '%s\n' "$@" > "$dir/fake-mame-args.txt"
pwd -P > "$dir/fake-mame-cwd.txt"
printf '%s\n' "$*" >> "$dir/fake-mame-calls.txt"
if [ -f "$dir/fake-mame-silent" ]; then exit "$(cat "$dir/fake-mame-silent")"; fi
if [ -f "$dir/fake-mame-delay" ]; then sleep "$(cat "$dir/fake-mame-delay")"; fi
for arg in "$@"; do
  case "$arg" in
    -listxml|-listcrc|-showusage|-showconfig|-help|-verifyroms|-verifysamples|-listroms|-listsamples)
      name=${arg#-}
      [ -f "$dir/fake-mame-delay-$name" ] && sleep "$(cat "$dir/fake-mame-delay-$name")"
      [ -f "$dir/fake-$name.out" ] && cat "$dir/fake-$name.out"
      [ -f "$dir/fake-$name.err" ] && cat "$dir/fake-$name.err" >&2
      exit 0 ;;
  esac
done
exit 0
)sh";
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
    TempProgram::writeFile(scriptPath(), scriptText(mameFolder));
    QFile::setPermissions(scriptPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther);
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
    setFlag("fake-mame-silent", status >= 0, QByteArray::number(status));
}

void FakeMame::setDelay(double seconds, const QString& option)
{
    const QByteArray flag =
        option.isEmpty() ? "fake-mame-delay" : "fake-mame-delay" + option.toUtf8();
    setFlag(flag.constData(), seconds > 0, QByteArray::number(seconds));
}

void FakeMame::setFlag(const char* name, bool on, const QByteArray& value) const
{
    if (on)
        TempProgram::writeFile(recordFile(name), value + '\n');
    else
        QFile::remove(recordFile(name));
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
