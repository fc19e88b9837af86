#pragma once
// The benchmarks' start-up clock: how long this process has existed, as the kernel counts it.
#include <QFile>
#include <QList>
#include <unistd.h>

namespace velmora::bench {

// Milliseconds since this process was started by the kernel (field 22 of /proc/self/stat).
inline double millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    const double nowSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (nowSeconds - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

} // namespace velmora::bench
