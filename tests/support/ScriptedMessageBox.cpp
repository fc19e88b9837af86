#include "support/ScriptedMessageBox.h"

#include "platform/Seams.h"

#include <QTest>

namespace velmora::testing {

ScriptedMessageBox::ScriptedMessageBox() : m_previous(platform::seams().messageBox)
{
    platform::seams().messageBox = this;
}

ScriptedMessageBox::~ScriptedMessageBox()
{
    platform::seams().messageBox = m_previous;
}

void ScriptedMessageBox::expect(const QString& text, platform::MessageAnswer answer,
                                const QString& title)
{
    m_expected.append({text, title, answer});
}

platform::MessageAnswer ScriptedMessageBox::show(const platform::MessageRequest& request)
{
    m_shown.append(request);
    const bool scripted = !m_expected.isEmpty();
    const Expected next =
        scripted ? m_expected.takeFirst() : Expected{request.text, {}, request.defaultButton};
    if ((!scripted && !m_allowAny) || next.text != request.text ||
        (!next.title.isEmpty() && next.title != request.title))
        QTest::qFail(qPrintable(QStringLiteral("message box \"%1\" (%2), expected \"%3\"")
                                    .arg(request.text, request.title,
                                         scripted ? next.text : QStringLiteral("none"))),
                     __FILE__, __LINE__);
    return next.answer;
}

} // namespace velmora::testing
