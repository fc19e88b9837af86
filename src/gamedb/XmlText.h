#pragma once
// MAME's machine list is XML, and the database keeps its element texts as MAME wrote them
// ("AT&amp;T", "&lt;unknown&gt;"). Wherever a field reaches the user (shown, searched, sorted,
// exported) it goes through here first: the five named references and the numeric character
// references become the characters they stand for. Anything that is not a complete reference
// ("R&D", "&nbsp;", "&#xZZ;") stays as written.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmora {

// Whether the text may hold a reference: the cheap test that keeps plain fields (nearly all of
// them) away from the decoder.
inline bool mayHoldXmlReferences(QByteArrayView text)
{
    return text.contains('&');
}

QString decodeXmlText(QStringView text);

// The same for bytes, in their own encoding: UTF-8 when they are valid UTF-8 (MAME's), Latin-1
// otherwise (older lists). Bytes without a '&' come back as they are.
QByteArray decodeXmlBytes(const QByteArray& bytes);

} // namespace velmora
