#include "platform/qt/QtSeams.h"

#include "platform/Seams.h"
#include "platform/qt/DocumentPrinter.h"
#include "platform/qt/TableMessageDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QtEndian>
#include <cmath>

namespace velmora::platform {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Retry:
        return QMessageBox::Retry;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    default:
        return MessageAnswer::Ok;
    }
}

class QtMessageBox : public MessageBox
{
public:
    MessageAnswer show(const MessageRequest& request) override
    {
        // The messages use a lone carriage return as their line break.
        QString text = request.text;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        QWidget* owner = QApplication::activeWindow();
        if (request.tabular) {
            TableMessageDialog table(request, owner);
            table.exec();
            if (owner && owner->isVisible())
                owner->repaint();
            return MessageAnswer::Ok;
        }
        QMessageBox box(toQt(request.icon), request.title, text, toQt(request.buttons), owner);
        box.setDefaultButton(toQt(request.defaultButton));
        const MessageAnswer answer = fromQt(box.exec());
        // Without a window manager nothing tells the window under the box to paint the place the
        // box covered: it is painted at once.
        if (owner && owner->isVisible())
            owner->repaint();
        return answer;
    }
};

class QtFolderBrowser : public FolderBrowser
{
public:
    std::optional<QString> browseForFolder(const QString& title, const QString& start) override
    {
        QString folder =
            QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
        if (folder.isEmpty())
            return {};
        while (folder.size() > 1 && folder.endsWith(u'/'))
            folder.chop(1);
        return folder;
    }
};

class QtColorDialog : public ColorDialog
{
public:
    std::optional<qint32> chooseColor(qint32 initialRgb) override
    {
        const QColor initial(initialRgb & 0xFF, (initialRgb >> 8) & 0xFF,
                             (initialRgb >> 16) & 0xFF);
        const QColor c = QColorDialog::getColor(initial, QApplication::activeWindow());
        if (!c.isValid())
            return {};
        return qint32(c.red() | (c.green() << 8) | (c.blue() << 16));
    }
};

class QtFontDialog : public FontDialog
{
public:
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override
    {
        QFont font(initial.family, initial.pointSize);
        font.setBold(initial.bold);
        font.setItalic(initial.italic);
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
        if (!ok)
            return {};
        return FontChoice{chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
    }
};

class QtPrinter : public Printer
{
public:
    bool print(QTextDocument& document, int marginTwips, QString* error) override
    {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            if (error)
                *error = QStringLiteral("No printer is installed.");
            return false;
        }
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        return printDocument(document, printer, marginTwips, error);
    }
};

// Plays tones through aplay when the system has it; otherwise stays silent.
class AplayAudio : public Audio
{
public:
    void playTones(const QList<Tone>& tones) override
    {
        const QString aplay = QStandardPaths::findExecutable(QStringLiteral("aplay"));
        if (aplay.isEmpty() || tones.isEmpty())
            return;
        auto* process = new QProcess(qApp);
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        process->start(aplay, {QStringLiteral("-q"), QStringLiteral("-")});
        process->write(wave(tones));
        process->closeWriteChannel();
    }

private:
    static QByteArray wave(const QList<Tone>& tones)
    {
        constexpr int rate = 22050;
        QByteArray samples;
        for (const Tone& tone : tones) {
            const int count = rate * tone.durationMs / 1000;
            for (int i = 0; i < count; ++i) {
                const double v = std::sin(2 * M_PI * tone.frequencyHz * i / rate);
                samples.append(char(128 + int(v * 100)));
            }
        }
        auto le32 = [](quint32 v) {
            QByteArray b(4, 0);
            qToLittleEndian(v, b.data());
            return b;
        };
        auto le16 = [](quint16 v) {
            QByteArray b(2, 0);
            qToLittleEndian(v, b.data());
            return b;
        };
        QByteArray out = "RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16) + le16(1) +
                         le16(1) + le32(rate) + le32(rate) + le16(1) + le16(8) + "data" +
                         le32(samples.size());
        return out + samples;
    }
};

} // namespace

void installQtSeams()
{
    static QtMessageBox messageBox;
    static QtFolderBrowser folderBrowser;
    static QtColorDialog colorDialog;
    static QtFontDialog fontDialog;
    static QtPrinter printer;
    static AplayAudio audio;
    Seams& s = seams();
    s.messageBox = &messageBox;
    s.folderBrowser = &folderBrowser;
    s.colorDialog = &colorDialog;
    s.fontDialog = &fontDialog;
    s.printer = &printer;
    s.audio = &audio;
}

} // namespace velmora::platform
