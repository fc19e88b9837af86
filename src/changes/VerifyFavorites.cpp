#include "changes/VerifyFavorites.h"

#include "app/IniFile.h"
#include "app/Preferences.h"
#include "platform/MessageBox.h"

#include <QFile>

namespace velmora {
namespace {

using platform::MessageIcon;

const QString kTitle = QStringLiteral("Favorites Verify");

const QString kDroppedMessage =
    QStringLiteral("At least one game was removed from your favorites list because\r"
                   "there were changes to it with this version of M.A.M.E.  You can\r"
                   "see a list of the games removed by selecting Favorite List Changes\r"
                   "from the Reports pull-down menu.");

const QString kEmptiedMessage = QStringLiteral("Your favorites list is now empty.  Velmora will "
                                               "now load\rthe default game list.");

void showStep(ProgressSink& progress, const QString& message)
{
    progress.setMessage(message);
    progress.repaint();
}

} // namespace

void VerifyFavorites(const FavoritesFiles& files, const QString& optionsIni, ProgressSink& progress,
                     const std::function<void()>& switchViewOff)
{
    if (!QFile::exists(files.list))
        return;
    showStep(progress, QStringLiteral("Verifying favorites list..."));
    const FavoritesCheck check = checkFavoritesAgainstDatabase(files);

    if (check.outcome == FavoritesCheck::Outcome::Failed) {
        platform::showMessage(QStringLiteral("The favorites list could not be checked against "
                                             "this version of M.A.M.E.:\r") +
                                  check.error +
                                  QStringLiteral("\r\rYour favorites list was kept as it was."),
                              kTitle, MessageIcon::Exclamation);
    } else if (!check.error.isEmpty()) {
        platform::showMessage(QStringLiteral("The removed games could not be added to "
                                             "changes.txt:\r") +
                                  check.error,
                              kTitle, MessageIcon::Exclamation);
    }
    if (!check.dropped.isEmpty())
        platform::showMessage(kDroppedMessage, kTitle, MessageIcon::Information);
    if (check.listEmptied) {
        if (switchViewOff)
            switchViewOff();
        writeFavorites(optionsIni, false);
        FlushIni(optionsIni);
        platform::showMessage(kEmptiedMessage, kTitle, MessageIcon::Information);
    }
    showStep(progress, QString());
}

} // namespace velmora
