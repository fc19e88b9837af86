#pragma once
// The three documents of the Help menu: Velmora's own guide in the program folder and MAME's two
// documents in the docs folder of the MAME folder, each with its report-panel caption and the
// message for a missing file.
#include "app/Preferences.h"
#include "app/ProgramPaths.h"

#include <QString>
#include <optional>

namespace velmora {

enum class HelpDocument
{
    Velmora,
    Newvideo,
    Windows
};

struct HelpDocumentInfo
{
    QString caption;        // the report panel's caption, also the missing-file message's title
    QString missingMessage; // "Cannot find velmora.txt!"
};

HelpDocumentInfo helpDocumentInfo(HelpDocument document);

// The document's file when it exists. MAME's documents are found whatever the letter case of
// "docs" and of the file's name.
std::optional<QString> helpDocumentFile(HelpDocument document, const ProgramPaths& paths,
                                        const QString& mameFolder);

// The file's text (UTF-8 when valid, Latin-1 otherwise); nothing when it cannot be read.
std::optional<QString> readHelpDocument(const QString& file);

// The entry of `folder` named `name`: that exact name first, then any entry that matches it
// ignoring letter case. Empty when there is none.
QString entryIgnoringCase(const QString& folder, const QString& name);

} // namespace velmora
