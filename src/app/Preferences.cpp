#include "app/Preferences.h"

#include "app/IniDocument.h"
#include "app/IniFile.h"
#include "gamedb/ReplacedFile.h"

namespace velmora {
namespace {

const QString kMiscellaneous = QStringLiteral("Miscellaneous");
const QString kPreferences = QStringLiteral("Preferences");
const QString kDirectories = QStringLiteral("Directories");
const QString kView = QStringLiteral("View");

// Reads typed values from one loaded options.ini and remembers the first key that did not
// convert, so the whole load can be written as a straight list of keys.
class PreferenceReader
{
public:
    explicit PreferenceReader(const IniDocument& doc) : m_doc(doc) {}

    QString text(const QString& section, const QString& key, const QString& fallback)
    {
        return m_doc.value(section, key, fallback);
    }
    void read(const QString& section, const QString& key, bool* out)
    {
        convert(section, key, iniText(*out), iniToBool, out, "a True/False value");
    }
    void read(const QString& section, const QString& key, qint32* out)
    {
        convert(section, key, QString::number(*out), iniToInt32, out, "a whole number");
    }
    void read(const QString& section, const QString& key, QString* out)
    {
        *out = text(section, key, *out);
    }

    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

private:
    template <typename T, typename Convert>
    void convert(const QString& section, const QString& key, const QString& fallback,
                 Convert toValue, T* out, const char* kind)
    {
        if (failed())
            return;
        const QString stored = text(section, key, fallback);
        const auto value = toValue(stored);
        if (value) {
            *out = *value;
            return;
        }
        m_error = QStringLiteral("The value \"%1\" of %2 in section %3 is not %4.")
                      .arg(stored, key, section, QLatin1String(kind));
    }

    const IniDocument& m_doc;
    QString m_error;
};

void readPreferencesSection(PreferenceReader& in, Preferences* p)
{
    for (int i = 0; i < kHideFlagCount; ++i)
        in.read(kPreferences, hideFlagKey(HideFlag(i)), &p->hide[i]);
    in.read(kPreferences, QStringLiteral("Year"), &p->year);
    in.read(kPreferences, QStringLiteral("DisableHotKeys"), &p->disableHotKeys);
    in.read(kPreferences, QStringLiteral("CloneShots"), &p->cloneShots);
    in.read(kPreferences, QStringLiteral("UseStarfield"), &p->useStarfield);
    in.read(kPreferences, QStringLiteral("BackColor"), &p->backColor);
    in.read(kPreferences, QStringLiteral("FontColor"), &p->fontColor);
    in.read(kPreferences, QStringLiteral("FontSize"), &p->fontSize);
    in.read(kPreferences, QStringLiteral("GradientColor"), &p->gradientColor);
}

void readDirectoriesSection(PreferenceReader& in, Preferences* p)
{
    for (int i = 0; i < kDataFolderCount; ++i)
        in.read(kDirectories, dataFolderKey(DataFolder(i)), &p->folders[i]);
}

void readMiscellaneousSection(PreferenceReader& in, Preferences* p)
{
    in.read(kMiscellaneous, QStringLiteral("MAMESize"), &p->mameSize);
    in.read(kMiscellaneous, QStringLiteral("News"), &p->news);
    in.read(kMiscellaneous, QStringLiteral("AutoRun"), &p->autoRun);
    in.read(kMiscellaneous, QStringLiteral("WebSite"), &p->webSite);
}

void readListState(PreferenceReader& in, const QString& list, ListViewState* state)
{
    qint32 index = state->index, sortKey = state->sortKey, sortOrder = state->sortOrder;
    in.read(kView, list + QStringLiteral("Index"), &index);
    in.read(kView, list + QStringLiteral("SortKey"), &sortKey);
    in.read(kView, list + QStringLiteral("SortOrder"), &sortOrder);
    *state = ListViewState{index, sortKey, sortOrder};
}

void readViewSection(PreferenceReader& in, Preferences* p)
{
    in.read(kView, QStringLiteral("Scroll"), &p->scroll);
    in.read(kView, QStringLiteral("GameView"), &p->gameView);
    in.read(kView, QStringLiteral("ScreenShots"), &p->screenShots);
    // An unknown picture kind is let go: the snapshot is shown, as before the choice existed.
    p->picture = pictureKindFromKey(in.text(kView, QStringLiteral("Picture"), {}))
                     .value_or(PictureKind::Snapshot);
    in.read(kView, QStringLiteral("Favorites"), &p->favorites);
    in.read(kView, QStringLiteral("HideBadRoms"), &p->hideBadRoms);
    qint32 windowState = p->windowState;
    in.read(kView, QStringLiteral("WindowState"), &windowState);
    p->windowState = windowState;
    readListState(in, QStringLiteral("All"), &p->all);
    readListState(in, QStringLiteral("Installed"), &p->installed);
    readListState(in, QStringLiteral("Uninstalled"), &p->uninstalled);
    p->columnWidths = columnWidthsFromText(in.text(kView, QStringLiteral("ColumnWidths"), {}));
    p->windowGeometry =
        windowGeometryFromText(in.text(kView, QStringLiteral("WindowGeometry"), {}));
}

// Writes one owner's keys in one pass: the file is read once and replaced once.
template <typename Fill> void updateOptions(const QString& optionsIni, Fill fill)
{
    IniDocument doc = IniDocument::load(optionsIni);
    fill(doc);
    // A file that cannot be saved (a full disk) stays as it was, and the user is told once.
    QString error;
    if (!doc.save(optionsIni, &error))
        reportNotSaved(optionsIni, error);
}

void updateOption(const QString& optionsIni, const QString& section, const QString& key,
                  const QString& value)
{
    updateOptions(optionsIni, [&](IniDocument& doc) { doc.setValue(section, key, value); });
}

void writeListState(IniDocument& doc, const QString& list, const ListViewState& state)
{
    doc.setValue(kView, list + QStringLiteral("Index"), QString::number(state.index));
    doc.setValue(kView, list + QStringLiteral("SortKey"), QString::number(state.sortKey));
    doc.setValue(kView, list + QStringLiteral("SortOrder"), QString::number(state.sortOrder));
}

} // namespace

QString hideFlagKey(HideFlag flag)
{
    static const char* const keys[kHideFlagCount] = {
        "HideArcadia",     "HideBabyPhoenix", "HideCassette",   "HideCrystal",       "HideCVS",
        "HideHyperNeo",    "HideMaxAFlex",    "HideSEGAC2.C",   "HideMultiCassette", "HideNeoGeo",
        "HideNintendo",    "HidePGM",         "HidePlayChoice", "HideZN.C",          "HideStandard",
        "HideST-V",        "HideKaneko",      "HideSystemGX",   "HideMPU4",          "HideClones",
        "HidePreliminary", "HideVs",          "HideYear",       "HideBootleg",       "HideTest",
        "HideCHD",         "HideImperfect"};
    const int i = static_cast<int>(flag);
    return (i >= 0 && i < kHideFlagCount) ? QString::fromLatin1(keys[i]) : QString();
}

QString dataFolderKey(DataFolder folder)
{
    static const char* const keys[kDataFolderCount] = {
        "MAME",      "ROMs",     "AdditionalROMs", "Samples", "Ini",     "Cfg",
        "Nvram",     "Memcard",  "Input",          "Hiscore", "State",   "Artwork",
        "Snapshots", "ExtraArt", "Diff",           "Ctrlr",   "Comments"};
    const int i = static_cast<int>(folder);
    return (i >= 0 && i < kDataFolderCount) ? QString::fromLatin1(keys[i]) : QString();
}

QString programVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VELMORA_VERSION_MAJOR)
        .arg(VELMORA_VERSION_MINOR)
        .arg(VELMORA_VERSION_PATCH);
}

Preferences firstRunPreferences()
{
    // The member defaults are the first-run values (every flag off, Scroll on, list indexes 1),
    // except the text colour: a new user's lists show their rows in the system's window-text
    // colour, readable on the window background they start with.
    Preferences prefs;
    prefs.fontColor = kSystemWindowText;
    return prefs;
}

std::optional<int> readVersionNumber(const QString& optionsIni)
{
    QString version = ReadIniValue(optionsIni, kMiscellaneous, QStringLiteral("VelmoraVersion"), 0);
    version.remove(u'.');
    const auto number = iniToInt16(version);
    return number ? std::optional<int>(*number) : std::nullopt;
}

bool readPreferences(const QString& optionsIni, Preferences* prefs, QString* error)
{
    const IniDocument doc = IniDocument::load(optionsIni);
    PreferenceReader in(doc);
    // A key the file does not hold takes its documented default, not the value held before.
    Preferences read = firstRunPreferences();
    read.velmoraVersion = in.text(kMiscellaneous, QStringLiteral("VelmoraVersion"), QString());
    readPreferencesSection(in, &read);
    readDirectoriesSection(in, &read);
    readMiscellaneousSection(in, &read);
    readViewSection(in, &read);
    if (in.failed()) {
        if (error)
            *error = in.error();
        return false;
    }
    *prefs = read;
    return true;
}

void writeStartupMiscellaneous(const QString& optionsIni, const Preferences& prefs)
{
    updateOptions(optionsIni, [&](IniDocument& doc) {
        doc.setValue(kMiscellaneous, QStringLiteral("VelmoraVersion"), programVersion());
        doc.setValue(kMiscellaneous, QStringLiteral("MAMESize"), QString::number(prefs.mameSize));
        doc.setValue(kMiscellaneous, QStringLiteral("AutoRun"), iniText(prefs.autoRun));
    });
}

void writeMameSize(const QString& optionsIni, qint32 mameSize)
{
    updateOption(optionsIni, kMiscellaneous, QStringLiteral("MAMESize"), QString::number(mameSize));
}

void writeNews(const QString& optionsIni, const QString& news)
{
    updateOption(optionsIni, kMiscellaneous, QStringLiteral("News"), news);
}

void writeAutoRun(const QString& optionsIni, bool autoRun)
{
    updateOption(optionsIni, kMiscellaneous, QStringLiteral("AutoRun"), iniText(autoRun));
}

void writeOptionsPreferences(const QString& optionsIni, const Preferences& prefs)
{
    updateOptions(optionsIni, [&](IniDocument& doc) {
        for (int i = 0; i < kHideFlagCount; ++i)
            doc.setValue(kPreferences, hideFlagKey(HideFlag(i)), iniText(prefs.hide[i]));
        doc.setValue(kPreferences, QStringLiteral("Year"), prefs.year);
        doc.setValue(kPreferences, QStringLiteral("DisableHotKeys"), iniText(prefs.disableHotKeys));
        doc.setValue(kPreferences, QStringLiteral("CloneShots"), iniText(prefs.cloneShots));
        doc.setValue(kPreferences, QStringLiteral("UseStarfield"), iniText(prefs.useStarfield));
        doc.setValue(kPreferences, QStringLiteral("BackColor"), QString::number(prefs.backColor));
        doc.setValue(kPreferences, QStringLiteral("FontColor"), QString::number(prefs.fontColor));
        doc.setValue(kPreferences, QStringLiteral("FontSize"), prefs.fontSize);
    });
}

void writeDirectories(const QString& optionsIni, const Preferences& prefs)
{
    updateOptions(optionsIni, [&](IniDocument& doc) {
        for (int i = 0; i < kDataFolderCount; ++i)
            doc.setValue(kDirectories, dataFolderKey(DataFolder(i)), prefs.folders[i]);
    });
}

void writeGradientColor(const QString& optionsIni, qint32 color)
{
    updateOption(optionsIni, kPreferences, QStringLiteral("GradientColor"), QString::number(color));
}

void writeFavorites(const QString& optionsIni, bool favorites)
{
    updateOption(optionsIni, kView, QStringLiteral("Favorites"), iniText(favorites));
}

void writeView(const QString& optionsIni, const Preferences& prefs)
{
    updateOptions(optionsIni, [&](IniDocument& doc) {
        doc.setValue(kView, QStringLiteral("GameView"), prefs.gameView);
        doc.setValue(kView, QStringLiteral("ScreenShots"), iniText(prefs.screenShots));
        doc.setValue(kView, QStringLiteral("Picture"),
                     QLatin1String(pictureKindNames(prefs.picture).key));
        doc.setValue(kView, QStringLiteral("Favorites"), iniText(prefs.favorites));
        doc.setValue(kView, QStringLiteral("HideBadRoms"), iniText(prefs.hideBadRoms));
        doc.setValue(kView, QStringLiteral("WindowState"), QString::number(prefs.windowState));
        writeListState(doc, QStringLiteral("All"), prefs.all);
        writeListState(doc, QStringLiteral("Installed"), prefs.installed);
        writeListState(doc, QStringLiteral("Uninstalled"), prefs.uninstalled);
        if (!prefs.columnWidths.isEmpty())
            doc.setValue(kView, QStringLiteral("ColumnWidths"),
                         columnWidthsText(prefs.columnWidths));
        if (prefs.windowGeometry.isValid())
            doc.setValue(kView, QStringLiteral("WindowGeometry"),
                         windowGeometryText(prefs.windowGeometry));
    });
}

} // namespace velmora
