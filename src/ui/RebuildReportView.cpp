#include "ui/RebuildReportView.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace velmora {
namespace {

void makeBold(QTextEdit* box, int from, int length)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
}

} // namespace

void showRebuildReport(QTextEdit* txtVerify, const QString& reportText)
{
    QString text = reportText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    txtVerify->setCurrentCharFormat(QTextCharFormat());
    txtVerify->setPlainText(text);
    static const QString filename = QStringLiteral("Filename");
    static const QString setting = QStringLiteral("Setting");
    if (!text.startsWith(filename + u'\t' + setting))
        return;
    makeBold(txtVerify, 0, filename.size());
    makeBold(txtVerify, filename.size() + 1, setting.size());
    // The heading starts the text, where the box's own cursor stands: without a reset its bold
    // would carry into the next text the box is given.
    txtVerify->setCurrentCharFormat(QTextCharFormat());
}

ProgressBarRebuildProgress::ProgressBarRebuildProgress(
    QProgressBar* bar, std::function<void(const QString&)> setStatus)
    : m_bar(bar), m_setStatus(std::move(setStatus))
{
}

void ProgressBarRebuildProgress::start(int total)
{
    m_bar->setRange(0, qMax(total, 1));
    m_bar->setValue(0);
    m_bar->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressBarRebuildProgress::advance(int done, int, const QString& text)
{
    m_bar->setValue(done);
    if (m_setStatus)
        m_setStatus(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressBarRebuildProgress::finish()
{
    m_bar->setValue(0);
    m_bar->hide();
}

} // namespace velmora
