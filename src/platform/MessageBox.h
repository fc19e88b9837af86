#pragma once
// The message-box seam: every message the program shows goes through here, so a test can read its
// exact text, title, icon and buttons and answer it.
#include <QString>

namespace velmora::platform {

enum class MessageIcon
{
    None,
    Information,
    Exclamation,
    Critical,
    Question
};

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry
};

struct MessageRequest
{
    QString text;
    QString title = QStringLiteral("Velmora");
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that Enter presses; Ok or Yes when unset.
    MessageAnswer defaultButton = MessageAnswer::Ok;
    // The lines are "label<TAB>value" rows (paths, say): shown as two aligned columns with an OK
    // button, a value too long for the box shortened in its middle, its whole text as its tip.
    bool tabular = false;
};

class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

// Shows a message through the installed message box. Without one (a core-only tool), the text goes
// to standard error and the default button is the answer.
MessageAnswer showMessage(const MessageRequest& request);
MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer defaultButton = MessageAnswer::Ok);

} // namespace velmora::platform
