#pragma once
// How the Rebuild Settings report appears on the report panel: the text in txtVerify with the
// heading words "Filename" and "Setting" in bold, and the rebuild's progress on the main window's
// progress bar and in the first panel of the report status bar.
#include "emulator_settings/RebuildSettings.h"

#include <functional>

class QProgressBar;
class QTextEdit;

namespace velmora {

// Puts the report text into the box; when it starts with the "Filename<TAB>Setting" heading,
// the two heading words are shown in bold (the report file itself stays plain text).
void showRebuildReport(QTextEdit* txtVerify, const QString& reportText);

// Shows a rebuild's progress: the bar gets the range 0 to the number of files and advances by
// one per file, the status text says "Progress: N%", and pending window events run after each
// step (user input excluded, as nothing may be started meanwhile). At the end the bar is reset
// to 0 and hidden.
class ProgressBarRebuildProgress : public RebuildProgress
{
public:
    ProgressBarRebuildProgress(QProgressBar* bar, std::function<void(const QString&)> setStatus);

    void start(int total) override;
    void advance(int done, int total, const QString& text) override;
    void finish() override;

private:
    QProgressBar* m_bar;
    std::function<void(const QString&)> m_setStatus;
};

} // namespace velmora
