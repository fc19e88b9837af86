#include "ui/SearchBox.h"

#include <QKeyEvent>

namespace velmora {

SearchBox::SearchBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtSearch"));
    setPlaceholderText(QStringLiteral("Find a game (Ctrl+F)"));
    setClearButtonEnabled(true);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { emit searchChanged(text()); });
    connect(this, &QLineEdit::textEdited, this, [this] { m_pause.start(); });
    // The clear button empties the box without an edit: no pause needed.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        if (now.isEmpty()) {
            m_pause.stop();
            emit searchChanged(now);
        }
    });
}

void SearchBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        clear();
        emit escapePressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace velmora
