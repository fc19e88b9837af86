#include "info/ExportList.h"

#include "gamedb/ReplacedFile.h"
#include "platform/MessageBox.h"

#include <QDir>

#include <algorithm>

namespace velmora {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

// A comma between printed items moves to the start of the next 14-character zone; an item that
// reaches or passes a zone's end pushes the next one a whole zone further.
constexpr qsizetype kPrintZone = 14;
constexpr char kCrLf[] = "\r\n";

// The items printed one after the other, a comma between them, and the line end.
QByteArray zoned(std::initializer_list<QByteArray> items)
{
    QByteArray line;
    bool first = true;
    for (const QByteArray& item : items) {
        if (!first)
            line += QByteArray((line.size() / kPrintZone + 1) * kPrintZone - line.size(), ' ');
        line += item;
        first = false;
    }
    return line + kCrLf;
}

} // namespace

QString exportFileName(ListKind list)
{
    switch (list) {
    case ListKind::Installed:
        return QStringLiteral("installedgames.txt");
    case ListKind::Uninstalled:
        return QStringLiteral("uninstalledgames.txt");
    case ListKind::All:
        break;
    }
    return QStringLiteral("allgames.txt");
}

QByteArray exportListText(const std::vector<ExportRow>& rows)
{
    const bool plays = std::any_of(rows.begin(), rows.end(),
                                   [](const ExportRow& row) { return !row.played.isEmpty(); });
    QByteArray text =
        (plays ? zoned({"ROM", "Played", "Time Played", "Game"}) : zoned({"ROM", "Game"})) + kCrLf;
    text.reserve(text.size() + qsizetype(rows.size()) * (plays ? 76 : 48));
    for (const ExportRow& row : rows)
        text += plays ? zoned({row.rom, row.played, row.timePlayed, row.description})
                      : zoned({row.rom, row.description});
    // A number is printed with a blank for its sign before it and one blank after it.
    const QByteArray count = ' ' + QByteArray::number(qulonglong(rows.size())) + ' ';
    return text + kCrLf + zoned({"Total Count: ", count});
}

bool exportList(const ProgramPaths& paths, ListKind list, const std::vector<ExportRow>& rows)
{
    if (platform::showMessage(QStringLiteral("Do you want to export this list of ROMs and Games to "
                                             "a text file in your Velmora\\Reports directory?"),
                              QStringLiteral("Confirm Export"), MessageIcon::Question,
                              MessageButtons::YesNo, MessageAnswer::Yes) != MessageAnswer::Yes)
        return false;
    const QString name = exportFileName(list);
    QDir().mkpath(paths.reportsFolder());
    QString error;
    if (!writeFileReplacing(paths.report(name), exportListText(rows), &error)) {
        platform::showMessage(QStringLiteral("Error in mnuFileExport_Click: %1 (%2)")
                                  .arg(error, QDir::toNativeSeparators(paths.report(name))),
                              QStringLiteral("Export List"), MessageIcon::Critical);
        return false;
    }
    platform::showMessage(QStringLiteral("Export complete.  Game list exported as %1.").arg(name),
                          QStringLiteral("Export List"), MessageIcon::Information);
    return true;
}

} // namespace velmora
