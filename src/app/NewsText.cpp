#include "app/NewsText.h"

#include <QStringDecoder>
#include <optional>

namespace velmora {
namespace {

constexpr QChar kAnnouncementMark = u';';
constexpr char16_t kReplacement = 0xFFFD;

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The length of the UTF-8 sequence a lead byte starts (0 for a continuation or ASCII byte).
int sequenceLength(unsigned char byte)
{
    if ((byte & 0xE0) == 0xC0)
        return 2;
    if ((byte & 0xF0) == 0xE0)
        return 3;
    if ((byte & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// A bounded read may stop inside a UTF-8 sequence: an unfinished sequence at the very end is
// dropped before the text is judged.
std::optional<QString> decodeUtf8AllowingCut(const QByteArray& bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        if (byte < 0x80)
            break;
        const int length = sequenceLength(byte);
        if (length == 0)
            continue; // a continuation byte: its lead is further back
        if (length > back)
            return decodeUtf8(bytes.left(bytes.size() - back));
        break;
    }
    return decodeUtf8(bytes);
}

bool isControl(QChar c)
{
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') ||
           (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

QString plainTextFromWeb(const QByteArray& body, qsizetype readLimit)
{
    const auto utf8 = body.size() == readLimit ? decodeUtf8AllowingCut(body) : decodeUtf8(body);
    QString text = utf8.value_or(QString::fromLatin1(body));
    for (QChar& c : text) {
        if (isControl(c))
            c = QChar(kReplacement);
    }
    return text;
}

QString newsStamp(const QString& news)
{
    QString stamp = news.left(kNewsStampLength);
    for (QChar& c : stamp) {
        if (c.unicode() < 0x20 || c == QChar(kReplacement))
            c = u' ';
    }
    return stamp.trimmed();
}

bool showNewsAtStartUp(const QString& news, const QString& storedStamp)
{
    if (news.size() > kNewsStampLength && news.at(kNewsStampLength) == kAnnouncementMark)
        return true;
    return newsStamp(news) != storedStamp.trimmed();
}

} // namespace velmora
