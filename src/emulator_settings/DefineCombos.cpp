#include "emulator_settings/DefineCombos.h"

#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace velmora {
namespace {

// Lines of the resource list hold their element after two leading tabs: the tag starts at the
// third character, a description's text at the sixteenth ("\t\t<description>" is 15 long).
constexpr qsizetype kTagStart = 2;
constexpr qsizetype kDescriptionTextStart = 15;
// A machine element of today's layout sits after one tab.
constexpr qsizetype kMachineTagStart = 1;

// MAME writes UTF-8; a file that is not falls back on Latin-1, byte for byte.
QString decodeField(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes.data(), bytes.size());
    return text;
}

bool hasTagAt(QByteArrayView line, qsizetype at, QByteArrayView tag)
{
    return line.size() >= at + tag.size() && line.sliced(at, tag.size()) == tag;
}

// The value of the first name="..." attribute of a line, from just after its opening quote.
QByteArrayView nameAttribute(QByteArrayView line)
{
    const qsizetype at = line.indexOf("name=");
    if (at < 0)
        return {};
    const qsizetype start = at + 6;
    if (start > line.size())
        return {};
    qsizetype end = line.sliced(start).indexOf('"');
    return end < 0 ? line.sliced(start) : line.sliced(start, end);
}

QByteArrayView descriptionText(QByteArrayView line)
{
    if (line.size() <= kDescriptionTextStart)
        return {};
    QByteArrayView rest = line.sliced(kDescriptionTextStart);
    const qsizetype end = rest.indexOf('<');
    return end < 0 ? rest : rest.first(end);
}

class BiosScanner
{
public:
    void readLine(QByteArrayView line)
    {
        if (hasTagAt(line, kMachineTagStart, "<machine ")) {
            m_inBios = line.contains("isbios=\"yes\"");
            m_description.clear();
        } else if (hasTagAt(line, kMachineTagStart, "<game ")) {
            m_inBios = true; // the old layout's tail holds only non-runnable sets
        } else if (hasTagAt(line, kTagStart, "<desc")) {
            m_description = decodeField(descriptionText(line)) + QStringLiteral(": ");
        } else if (hasTagAt(line, kTagStart, "<bios") && m_inBios) {
            m_entries << m_description + properCase(decodeField(nameAttribute(line)));
        }
    }

    QStringList entries() const { return m_entries; }

private:
    QString m_description;
    bool m_inBios = true;
    QStringList m_entries{QStringLiteral("Default")};
};

} // namespace

QStringList biosEntriesFromResourceList(const QByteArray& resourceTxt)
{
    BiosScanner scanner;
    const QByteArrayView all(resourceTxt);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArrayView line = all.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        scanner.readLine(line);
        start = end + 1;
    }
    return scanner.entries();
}

QStringList effectEntriesFromArtworkFolder(const QString& artworkFolder)
{
    QStringList entries{QStringLiteral("None")};
    if (artworkFolder.isEmpty())
        return entries;
    const QDir folder(artworkFolder);
    const QStringList images =
        folder.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Readable | QDir::Hidden,
                         QDir::Name | QDir::IgnoreCase);
    for (QString name : images) {
        if (name.endsWith(QLatin1String(".png"), Qt::CaseSensitive))
            name.chop(4);
        entries << properCase(name);
    }
    return entries;
}

DefineCombosResult DefineCombos(const QString& resourceTxt, const QString& artworkFolder,
                                OptionLists* lists)
{
    DefineCombosResult result;
    *lists = OptionLists();
    QFile file(resourceTxt);
    result.step = 1;
    if (!file.open(QIODevice::ReadOnly)) {
        result.error =
            QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(resourceTxt));
        platform::showMessage(QStringLiteral("Error In DefineCombos: %1\rLine Number: %2")
                                  .arg(result.error)
                                  .arg(result.step),
                              QStringLiteral("Velmora"), platform::MessageIcon::Critical);
        platform::endProgram();
        return result;
    }
    lists->setEntries(Option::Bios, biosEntriesFromResourceList(file.readAll()));
    result.step = 3;
    lists->setEntries(Option::Effect, effectEntriesFromArtworkFolder(artworkFolder));
    result.ok = true;
    result.step = 0;
    return result;
}

} // namespace velmora
