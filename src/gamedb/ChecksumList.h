#pragma once
// crcinfo.txt, MAME's checksum list, made behind the window. Only What's Changed (ROMs Info)
// reads it, and `mame -listcrc` takes longer than the machine list, so it runs side by side with
// the machine list and goes on while the game lists are already shown.
//
// MAME writes into crcinfo.txt.part, which replaces crcinfo.txt only when it is complete (not
// empty); an incomplete output leaves crcinfo.txt missing, so the next start asks again. Stopping
// a run, or ending the program, ends MAME and drops the partial output. The program keeps one
// such object; a build of the database starts it, and the ROMs Info compare waits for it.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/ListFiles.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace velmora {

class BackgroundCommand;

class ChecksumList : public QObject
{
    Q_OBJECT
public:
    explicit ChecksumList(QObject* parent = nullptr);
    ~ChecksumList() override;

    // Starts `mame -listcrc` into crcinfo.txt.part; a run still going is stopped first.
    void start(const ProgramPaths& paths, const QString& mameFolder);
    // Stops a run still going: its partial output goes, crcinfo.txt stays as it was, and no end
    // is reported.
    void stop();
    bool isRunning() const;

    // How the last run ended; NotRun while it runs, when none ran, or when it was stopped.
    ListOutcome outcome() const { return m_outcome; }
    // When the output was incomplete for want of room: the system's text for it; else empty.
    QString diskProblem() const { return m_diskProblem; }
    // While it runs: the bytes MAME has written, and the size the list will probably reach (the
    // previous checksum list's; 0 when there is none).
    qint64 bytesWritten() const;
    qint64 expectedBytes() const { return m_expected; }

    // The run goes on behind the window; `ended` hears how it ended, at once when it already has.
    void continueBehind(std::function<void(const ChecksumList&)> ended);
    // Waits for the end with "Creating crcinfo.txt..." and how far it is on `progress` (the
    // windows repaint, user input is held back). When the program begins to end meanwhile, the
    // run is stopped.
    ListOutcome waitForEnd(ProgressSink& progress);

signals:
    // The run ended of its own accord (not when stopped).
    void finished();

private:
    void onEnded();

    ProgramPaths m_paths;
    std::unique_ptr<BackgroundCommand> m_command;
    ListOutcome m_outcome = ListOutcome::NotRun;
    QString m_diskProblem;
    qint64 m_expected = 0;
    std::function<void(const ChecksumList&)> m_endedBehind;
};

} // namespace velmora
