#include "platform/Seams.h"

#include <QCoreApplication>
#include <QTime>
#include <cstdio>

namespace velmora::platform {
namespace {

class NoFolderBrowser : public FolderBrowser
{
public:
    std::optional<QString> browseForFolder(const QString&, const QString&) override { return {}; }
};

class NoColorDialog : public ColorDialog
{
public:
    std::optional<qint32> chooseColor(qint32) override { return {}; }
};

class NoFontDialog : public FontDialog
{
public:
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return {}; }
};

class NoPrinter : public Printer
{
public:
    bool print(QTextDocument&, int, QString* error) override
    {
        if (error)
            *error = QStringLiteral("No printer");
        return false;
    }
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class SilentAudio : public Audio
{
public:
    void playTones(const QList<Tone>&) override {}
};

} // namespace

Seams& seams()
{
    static Seams installed;
    return installed;
}

FolderBrowser& folderBrowser()
{
    static NoFolderBrowser none;
    return seams().folderBrowser ? *seams().folderBrowser : none;
}

ColorDialog& colorDialog()
{
    static NoColorDialog none;
    return seams().colorDialog ? *seams().colorDialog : none;
}

FontDialog& fontDialog()
{
    static NoFontDialog none;
    return seams().fontDialog ? *seams().fontDialog : none;
}

Printer& printer()
{
    static NoPrinter none;
    return seams().printer ? *seams().printer : none;
}

const Clock& clock()
{
    static SystemClock system;
    return seams().clock ? *seams().clock : system;
}

Audio& audio()
{
    static SilentAudio silent;
    return seams().audio ? *seams().audio : silent;
}

void endProgram()
{
    if (seams().endProgram) {
        seams().endProgram();
        return;
    }
    if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

int writeFaultFor(const QString& target)
{
    return seams().writeFault ? seams().writeFault(target) : 0;
}

double Clock::secondsSinceMidnight() const
{
    const QTime t = now().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

MessageAnswer showMessage(const MessageRequest& request)
{
    if (seams().messageBox)
        return seams().messageBox->show(request);
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.text));
    return request.defaultButton;
}

MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons, MessageAnswer defaultButton)
{
    return showMessage(MessageRequest{text, title, icon, buttons, defaultButton});
}

} // namespace velmora::platform
