#include "app/FolderTable.h"

#include <QStringList>

namespace velmora {
namespace {

constexpr auto R = FolderNeed::Required;
constexpr auto O = FolderNeed::Optional;

const std::array<FolderEntry, kDataFolderCount> kTable{{
    {DataFolder::MAME, "M.A.M.E.:", "txtMAMEPath", "cmdSelectMAME", "M.A.M.E.", nullptr, R,
     nullptr},
    {DataFolder::ROMs, "ROMs:", "txtROMPath", "cmdSelectROM", "ROMs", "roms", R,
     "This Is For Your Main ROM Directory"},
    {DataFolder::AdditionalROMs, "Additional ROMs:", "txtAddROMPath", "cmdSelectAddROM",
     "Additional Roms", nullptr, O, "This Is For A Second ROM Directory And Is Optional"},
    {DataFolder::Samples, "Samples:", "txtSamPath", "cmdSelectSam", "Samples", "samples", R,
     nullptr},
    {DataFolder::Ini, "M.A.M.E. INIs:", "txtINIsPath", "cmdSelectINI", "Ini", "", R, nullptr},
    {DataFolder::Cfg, "Cfg:", "txtCfgPath", "cmdSelectCfg", "Cfg", "cfg", R, nullptr},
    {DataFolder::Nvram, "Nvram:", "txtNvramPath", "cmdSelectNvram", "Nvram", "nvram", R, nullptr},
    {DataFolder::Memcard, "Memcard:", "txtMemcardPath", "cmdSelectMemcard", "Memcard", "memcard", R,
     nullptr},
    {DataFolder::Input, "Input:", "txtInpPath", "cmdSelectInp", "Input", "inp", R, nullptr},
    {DataFolder::Hiscore, "Hiscore:", "txtHiPath", "cmdSelectHi", "Hiscore", "hi", R, nullptr},
    {DataFolder::State, "State:", "txtStaPath", "cmdSelectState", "State", "sta", R, nullptr},
    {DataFolder::Artwork, "Artwork:", "txtArtworkPath", "cmdSelectArtwork", "Artwork", "artwork", R,
     nullptr},
    {DataFolder::Snapshots, "Snapshots:", "txtSnapPath", "cmdSelectSnap", "Snapshot", "snap", R,
     nullptr},
    {DataFolder::ExtraArt, "Extra Art:", "txtExtraArtPath", "cmdSelectExtraArt", "Extra Art", "", O,
     "Title Screens, Flyers, Cabinets, Marquees, Control Panels And PCBs, As Folders Or Archives"},
    {DataFolder::Diff, "Diff:", "txtDiffPath", "cmdSelectDiff", "Diff", "diff", R, nullptr},
    {DataFolder::Ctrlr, "Ctrlr:", "txtCtrlrPath", "cmdSelectCtrlr", "Ctrlr", "ctrlr", R, nullptr},
    {DataFolder::Comments, "Comment:", "txtCommentPath", "cmdSelectComment", "Comment", nullptr, O,
     nullptr},
}};

} // namespace

const std::array<FolderEntry, kDataFolderCount>& folderTable()
{
    return kTable;
}

const FolderEntry& folderEntry(DataFolder folder)
{
    return kTable[static_cast<int>(folder)];
}

QString defaultFolderPath(DataFolder folder, const QString& mameFolder)
{
    const char* sub = folderEntry(folder).defaultSubfolder;
    if (!sub || folder == DataFolder::MAME)
        return QString();
    if (*sub == '\0')
        return mameFolder;
    return mameFolder + u'/' + QLatin1String(sub);
}

void fillEmptyFoldersWithDefaults(FolderTexts& texts, const QString& mameFolder)
{
    for (const FolderEntry& entry : kTable) {
        QString& text = texts[static_cast<int>(entry.folder)];
        if (text.isEmpty())
            text = defaultFolderPath(entry.folder, mameFolder);
    }
}

QStringList defaultSubfolderNames()
{
    QStringList names;
    for (const FolderEntry& entry : kTable)
        if (entry.defaultSubfolder && *entry.defaultSubfolder)
            names << QLatin1String(entry.defaultSubfolder);
    return names;
}

} // namespace velmora
