#pragma once
// Velmora's own preferences, the typed form of settings/options.ini: sections Miscellaneous,
// Preferences, Directories and View, with their defaults. Each group of keys is written only by
// the command that owns it (start-up, Refresh, the Options dialog, the gradient window, the exit).
#include "app/PictureKind.h"
#include "app/WindowLayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace velmora {

// The 27 hide flags of section Preferences, in the order they are read and filtered.
enum class HideFlag
{
    Arcadia,
    BabyPhoenix,
    Cassette,
    Crystal,
    CVS,
    HyperNeo,
    MaxAFlex,
    SegaC2,
    MultiCassette,
    NeoGeo,
    Nintendo,
    PGM,
    PlayChoice,
    ZN,
    Standard,
    STV,
    Kaneko,
    SystemGX,
    MPU4,
    Clones,
    Preliminary,
    Vs,
    Year,
    Bootleg,
    Test,
    CHD,
    Imperfect,
    Count
};
inline constexpr int kHideFlagCount = static_cast<int>(HideFlag::Count);

// The options.ini key of a hide flag ("HideArcadia", "HideSEGAC2.C", ...).
QString hideFlagKey(HideFlag flag);

// The 17 data folders of section Directories, in their key order.
enum class DataFolder
{
    MAME,
    ROMs,
    AdditionalROMs,
    Samples,
    Ini,
    Cfg,
    Nvram,
    Memcard,
    Input,
    Hiscore,
    State,
    Artwork,
    Snapshots,
    ExtraArt, // title screens, flyers, cabinets... (empty: the MAME folder)
    Diff,
    Ctrlr,
    Comments,
    Count
};
inline constexpr int kDataFolderCount = static_cast<int>(DataFolder::Count);

QString dataFolderKey(DataFolder folder);

// Colour values: 32-bit signed; with the top bit set the low bits name a system colour,
// otherwise red is the lowest byte, then green, then blue.
inline constexpr qint32 kSystemColorBit = qint32(0x80000000u);
inline constexpr qint32 kSystemWindowBackground = qint32(0x80000005u);
inline constexpr qint32 kSystemButtonShadow = qint32(0x80000010u);
inline constexpr qint32 kSystemWindowText = qint32(0x80000008u);

struct ListViewState
{
    int index = 1;     // 1-based position of the selected row
    int sortKey = 0;   // 0-based column
    int sortOrder = 0; // 0 ascending, 1 descending
};

struct Preferences
{
    // Miscellaneous
    QString velmoraVersion;
    qint32 mameSize = 0;
    QString news;
    bool autoRun = false;
    QString webSite; // empty: the address built into the program

    // Preferences
    std::array<bool, kHideFlagCount> hide{};
    QString year;
    bool disableHotKeys = false;
    bool cloneShots = false;
    bool useStarfield = false;
    qint32 backColor = kSystemWindowBackground;
    qint32 fontColor = 0xFFFFFF;
    QString fontSize = QStringLiteral("8");
    qint32 gradientColor = kSystemButtonShadow;

    // Directories, as entered
    std::array<QString, kDataFolderCount> folders;

    // View
    bool scroll = true;
    QString gameView = QStringLiteral("All Games");
    bool screenShots = false;
    PictureKind picture = PictureKind::Snapshot; // View > Picture
    bool favorites = false;
    bool hideBadRoms = false; // View > Hide Games With Bad ROMs
    int windowState = 0;
    ListViewState all;
    ListViewState installed;
    ListViewState uninstalled;
    ColumnWidths columnWidths; // only the columns the user sized
    QRect windowGeometry;      // the window's place and size when not maximised; null at first

    bool hidden(HideFlag flag) const { return hide[static_cast<int>(flag)]; }
    void setHidden(HideFlag flag, bool on) { hide[static_cast<int>(flag)] = on; }
    const QString& folder(DataFolder f) const { return folders[static_cast<int>(f)]; }
    void setFolder(DataFolder f, const QString& path) { folders[static_cast<int>(f)] = path; }
};

// The program's own version as written to VelmoraVersion ("4.0.0").
QString programVersion();
// The lowest VelmoraVersion (dots removed) whose options.ini is still accepted.
inline constexpr int kOldestAcceptedVersion = 341;

// The values a first run starts from: the defaults, with nothing read.
Preferences firstRunPreferences();

// VelmoraVersion with every "." removed, as a 16-bit number; nothing when it does not convert
// (non-numeric, or digits beyond 32767). A missing key reads as 0.
std::optional<int> readVersionNumber(const QString& optionsIni);

// Reads every key after the version, in the load order: Preferences, Directories,
// Miscellaneous (MAMESize, News, AutoRun, WebSite), View. False with the offending key in *error
// when a value does not convert.
bool readPreferences(const QString& optionsIni, Preferences* prefs, QString* error);

// The writers, one per owner.
void writeStartupMiscellaneous(const QString& optionsIni, const Preferences& prefs); // every start
void writeMameSize(const QString& optionsIni, qint32 mameSize);                      // Refresh
void writeNews(const QString& optionsIni, const QString& news);                      // news check
void writeAutoRun(const QString& optionsIni, bool autoRun);                          // Auto Run box
void writeOptionsPreferences(const QString& optionsIni, const Preferences& prefs);   // Options OK
void writeDirectories(const QString& optionsIni, const Preferences& prefs);          // Options OK
void writeGradientColor(const QString& optionsIni, qint32 color);    // gradient window
void writeFavorites(const QString& optionsIni, bool favorites);      // favourites check
void writeView(const QString& optionsIni, const Preferences& prefs); // exit, in key order

} // namespace velmora
