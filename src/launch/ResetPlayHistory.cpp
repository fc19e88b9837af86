#include "launch/ResetPlayHistory.h"

#include "gamedb/ReplacedFile.h"
#include "platform/MessageBox.h"

namespace velmora {

bool resetPlayHistory(PlayHistory& history, const QString& path, const QString& rom,
                      const QString& description)
{
    using platform::MessageAnswer;
    if (!history.find(rom.toUtf8()))
        return false;
    const MessageAnswer answer = platform::showMessage(
        QStringLiteral("Are you sure you want to reset the play history of %1?\r"
                       "How often, how long and when it was played will be forgotten.")
            .arg(description),
        QStringLiteral("Reset Play History"), platform::MessageIcon::Question,
        platform::MessageButtons::YesNo, MessageAnswer::No);
    if (answer != MessageAnswer::Yes)
        return false;
    PlayHistory without = history;
    without.forget(rom);
    QString error;
    if (!without.save(path, &error)) {
        reportNotSaved(path, error);
        return false;
    }
    history = std::move(without);
    return true;
}

} // namespace velmora
