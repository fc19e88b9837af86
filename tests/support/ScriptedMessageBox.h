#pragma once
// A message box for tests: records every box shown and answers from a queue of expected boxes.
// A box that was not expected fails the running test (and is answered with its default button).
#include "platform/MessageBox.h"

#include <QList>

namespace velmora::testing {

class ScriptedMessageBox : public platform::MessageBox
{
public:
    // Installs itself as the program's message box for its lifetime.
    ScriptedMessageBox();
    ~ScriptedMessageBox() override;

    // The next box shown must have this text (and title, when given); it is answered with `answer`.
    void expect(const QString& text, platform::MessageAnswer answer = platform::MessageAnswer::Ok,
                const QString& title = QString());
    // Answers every box with its default button instead of failing on an unexpected one.
    void allowAny(bool allow) { m_allowAny = allow; }

    platform::MessageAnswer show(const platform::MessageRequest& request) override;

    const QList<platform::MessageRequest>& shown() const { return m_shown; }
    bool allExpectedShown() const { return m_expected.isEmpty(); }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }

private:
    struct Expected
    {
        QString text;
        QString title;
        platform::MessageAnswer answer;
    };
    QList<Expected> m_expected;
    QList<platform::MessageRequest> m_shown;
    platform::MessageBox* m_previous = nullptr;
    bool m_allowAny = false;
};

} // namespace velmora::testing
