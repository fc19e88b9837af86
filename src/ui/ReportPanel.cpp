#include "ui/ReportPanel.h"

#include "platform/Seams.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace velmora {
namespace {

constexpr int kPrintMarginTwips = 1000;

struct FindCaption
{
    FindRole role;
    const char* caption;
    const char* toolTip;
};

constexpr FindCaption kFindCaptions[] = {
    {FindRole::MameIni, "&Mame.Ini", "The Mame.Ini File That Will Be Used For The Selected Game"},
    {FindRole::ListBadSets, "&List Bad Sets", "Searches The Report And Lists The Bad Sets"},
    {FindRole::Print, "&Print", "Prints This List To Your Default Printer"},
};

// One line break per CR LF, LF or lone CR, as the text box holds them.
QString forTextBox(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

template <typename T> T* child(QWidget* window, const char* name)
{
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

} // namespace

ReportPanel::ReportPanel(QWidget* window)
    : m_window(window), m_frame(child<QGroupBox>(window, "fraVerify")),
      m_text(child<QTextEdit>(window, "txtVerify")), m_find(child<QPushButton>(window, "cmdFind")),
      m_gameList(child<QPushButton>(window, "cmdGameList")),
      m_exit(child<QPushButton>(window, "cmdExit")), m_list(child<QWidget>(window, "fraList"))
{
}

void ReportPanel::bringToFront(const QString& caption)
{
    if (m_list)
        m_list->setEnabled(false);
    if (!m_frame)
        return;
    m_frame->setEnabled(true);
    m_frame->setTitle(caption);
    if (auto* stack = qobject_cast<QStackedWidget*>(m_frame->parentWidget()))
        stack->setCurrentWidget(m_frame);
    m_frame->show();
    m_frame->raise();
}

void ReportPanel::setCaption(const QString& caption)
{
    if (m_frame)
        m_frame->setTitle(caption);
}

void ReportPanel::setText(const QString& text)
{
    m_given = text;
    if (!m_text)
        return;
    // New text takes the box's current character format: a bold run left there by the last
    // report would make the whole new one bold.
    m_text->setCurrentCharFormat(QTextCharFormat());
    m_text->setPlainText(forTextBox(text));
}

QString ReportPanel::text() const
{
    if (!m_text)
        return QString();
    QString out = m_text->toPlainText();
    out.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return out;
}

void ReportPanel::setBold(qsizetype position, qsizetype length)
{
    if (!m_text)
        return;
    // setText() turned every CR LF into one character.
    const auto boxPosition = [this](qsizetype p) {
        return int(p - m_given.left(p).count(QLatin1String("\r\n")));
    };
    QTextCursor cursor(m_text->document());
    cursor.setPosition(boxPosition(position));
    cursor.setPosition(boxPosition(position + length), QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    cursor.setPosition(0);
    m_text->setTextCursor(cursor);
    // The bold run ends here: text put into the box later is plain.
    m_text->setCurrentCharFormat(QTextCharFormat());
}

FindRole ReportPanel::findRole() const
{
    if (m_find) {
        for (const FindCaption& c : kFindCaptions)
            if (m_find->text() == QLatin1String(c.caption))
                return c.role;
    }
    return FindRole::MameIni;
}

void ReportPanel::setFindRole(FindRole role)
{
    if (!m_find)
        return;
    for (const FindCaption& c : kFindCaptions) {
        if (c.role != role)
            continue;
        m_find->setText(QLatin1String(c.caption));
        m_find->setToolTip(QLatin1String(c.toolTip));
    }
}

void ReportPanel::setFindEnabled(bool enabled)
{
    if (m_find)
        m_find->setEnabled(enabled);
}

void ReportPanel::setLeaveButtonsEnabled(bool enabled)
{
    if (m_gameList)
        m_gameList->setEnabled(enabled);
    if (m_exit)
        m_exit->setEnabled(enabled);
}

void ReportPanel::focusGameList()
{
    if (m_gameList)
        m_gameList->setFocus();
}

bool printReport(ReportPanel& panel)
{
    QString error;
    bool printed = false;
    if (QTextEdit* box = panel.textBox())
        printed = platform::printer().print(*box->document(), kPrintMarginTwips, &error);
    if (!printed)
        platform::showMessage(QStringLiteral("Unknown Printing Error."), QStringLiteral("Velmora"),
                              platform::MessageIcon::Information);
    panel.focusGameList();
    return printed;
}

} // namespace velmora
