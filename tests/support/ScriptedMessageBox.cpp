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
    if (m_expected.isEmpty()) {
        if (!m_allowAny)
            QTest::qFail(qPrintable(QStringLiteral("unexpected message box: \"%1\" (%2)")
                                        .arg(request.text, request.title)),
                         __FILE__, __LINE__);
        return request.defaultButton;
    }
    const Expected next = m_expected.takeFirst();
    if (next.text != request.text || (!next.title.isEmpty() && next.title != request.title))
        QTest::qFail(qPrintable(QStringLiteral("message box \"%1\" (%2), expected \"%3\"")
                                    .arg(request.text, request.title, next.text)),
                     __FILE__, __LINE__);
    return next.answer;
}

} // namespace velmora::testing
