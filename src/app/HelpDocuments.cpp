#include "app/HelpDocuments.h"

#include "platform/OptionalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace velmora {

HelpDocumentInfo helpDocumentInfo(HelpDocument document)
{
    switch (document) {
    case HelpDocument::Velmora:
        return {QStringLiteral("Velmora's Velmora.txt"),
                QStringLiteral("Cannot find velmora.txt!")};
    case HelpDocument::Newvideo:
        return {QStringLiteral("M.A.M.E.'s Newvideo.txt"),
                QStringLiteral("Cannot find newvideo.txt!")};
    case HelpDocument::Windows:
        break;
    }
    return {QStringLiteral("M.A.M.E.'s Windows.txt"), QStringLiteral("Cannot find windows.txt!")};
}

QString entryIgnoringCase(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return QString();
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return QString();
}

std::optional<QString> helpDocumentFile(HelpDocument document, const ProgramPaths& paths,
                                        const QString& mameFolder)
{
    QString file;
    switch (document) {
    case HelpDocument::Velmora:
        file = paths.readOnlyFile(QStringLiteral("velmora.txt"));
        break;
    case HelpDocument::Newvideo:
    case HelpDocument::Windows:
        const QString name = document == HelpDocument::Newvideo ? QStringLiteral("newvideo.txt")
                                                                : QStringLiteral("windows.txt");
        file = entryIgnoringCase(entryIgnoringCase(mameFolder, QStringLiteral("docs")), name);
        break;
    }
    if (!platform::isRegularFile(file))
        return std::nullopt;
    return file;
}

std::optional<QString> readHelpDocument(const QString& file)
{
    const std::optional<QByteArray> read = platform::readOptionalFile(file);
    if (!read)
        return std::nullopt;
    const QByteArray& bytes = *read;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

} // namespace velmora
