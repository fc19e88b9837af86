#include "ui/GamePictures.h"

#include <QActionGroup>
#include <QBuffer>
#include <QImageReader>
#include <QMenu>

namespace velmora {
namespace {

QString actionName(PictureKind kind)
{
    return QStringLiteral("mnuPicture") + QLatin1String(pictureKindNames(kind).key);
}

} // namespace

GamePictures::GamePictures(QWidget* window) : QObject(window)
{
    m_menu = new QMenu(QStringLiteral("&Picture"), window);
    m_menu->setObjectName(QStringLiteral("mnuViewPicture"));
    m_menu->menuAction()->setObjectName(QStringLiteral("mnuViewPicture"));
    auto* group = new QActionGroup(m_menu);
    for (int i = 0; i < kPictureKindCount; ++i) {
        const auto kind = PictureKind(i);
        QAction* action = m_menu->addAction(QString::fromUtf8(pictureKindNames(kind).caption));
        action->setObjectName(actionName(kind));
        action->setCheckable(true);
        action->setChecked(kind == m_kind);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, kind] {
            m_kind = kind;
            emit kindChosen(kind);
        });
        m_actions[size_t(i)] = action;
    }
}

void GamePictures::setKind(PictureKind kind)
{
    m_kind = kind;
    m_actions[size_t(kind)]->setChecked(true);
}

QPixmap GamePictures::picture(const PictureOwner& game, QString* problem)
{
    QStringList told;
    for (int i = 0; i < kPictureKindCount; ++i)
        m_actions[size_t(i)]->setEnabled(m_locator.exists(PictureKind(i), game));
    const PictureFile file = m_locator.read(m_kind, game);
    for (const QString& text : m_locator.takeProblems())
        tellOnce(text, &told);
    QPixmap picture;
    if (file.found() && file.error.isEmpty()) {
        QBuffer buffer;
        buffer.setData(file.bytes);
        QImageReader reader(&buffer);
        const QImage image = reader.read();
        if (image.isNull())
            tellOnce(QStringLiteral("The %1 %2 cannot be shown: %3.")
                         .arg(QLatin1String(pictureKindNames(m_kind).noun), file.place,
                              reader.errorString()),
                     &told);
        else
            picture = QPixmap::fromImage(image);
    } else if (file.found()) {
        tellOnce(QStringLiteral("The %1 %2 cannot be read: %3.")
                     .arg(QLatin1String(pictureKindNames(m_kind).noun), file.place, file.error),
                 &told);
    }
    if (problem)
        *problem = told.join(QStringLiteral("  "));
    return picture;
}

bool GamePictures::chooseNextKind(const PictureOwner& game)
{
    for (int step = 1; step < kPictureKindCount; ++step) {
        const auto next = PictureKind((int(m_kind) + step) % kPictureKindCount);
        if (m_locator.exists(next, game)) {
            setKind(next);
            return true;
        }
    }
    return false;
}

void GamePictures::tellOnce(const QString& text, QStringList* told)
{
    if (!m_told.contains(text)) {
        m_told.insert(text);
        *told << text;
    }
}

} // namespace velmora
