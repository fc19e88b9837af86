#pragma once
// The dialog seams: folder browser, colour and font dialogs. Values are plain so that core code and
// tests need no widget types.
#include <QString>
#include <optional>

namespace velmora::platform {

class FolderBrowser
{
public:
    virtual ~FolderBrowser() = default;
    // The chosen folder without a trailing separator, or nothing when the user cancels.
    virtual std::optional<QString> browseForFolder(const QString& title,
                                                   const QString& startFolder) = 0;
};

class ColorDialog
{
public:
    virtual ~ColorDialog() = default;
    // An RGB colour value (red in the lowest byte), or nothing when cancelled.
    virtual std::optional<qint32> chooseColor(qint32 initialRgb) = 0;
};

struct FontChoice
{
    QString family;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
};

class FontDialog
{
public:
    virtual ~FontDialog() = default;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
};

} // namespace velmora::platform
