#include "lists/HideFilters.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr QByteArrayView kUnknownYear = "19??";
constexpr QByteArrayView kCloneOf = "Clone of";

// "sega/stv.cpp" -> "stv"; "stv.c" -> "stv".
QByteArrayView baseNameWithoutExtension(QByteArrayView path)
{
    const qsizetype slash = path.lastIndexOf('/');
    QByteArrayView name = slash < 0 ? path : path.sliced(slash + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot < 0 ? name : name.first(dot);
}

// Today's MAME names its drivers by folder and ".cpp"; older lists give the bare ".c" file.
bool isNewerSourceForm(QByteArrayView source)
{
    return source.contains('/') || source.endsWith(".cpp");
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool startsWithVs(const QByteArray& game)
{
    return game.size() >= 2 && lowerAscii(game[0]) == 'v' && lowerAscii(game[1]) == 's';
}

// Text comparison by character code: bytes compared unsigned, a shorter prefix sorts first.
bool greaterByCharacterCode(QByteArrayView a, QByteArrayView b)
{
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                        [](char x, char y) { return uchar(x) < uchar(y); });
}

std::optional<HideFlag> driverFileFilter(const GameRecord& game, const HideRules& rules)
{
    const QByteArray& source = game[GameRecord::Source];
    for (const DriverFileRule& rule : kDriverFileRules)
        if (rules.on(rule.flag) && sourceMatchesDriverFile(source, rule.file))
            return rule.flag;
    if (rules.on(HideFlag::Standard) && !isListedDriverSource(source))
        return HideFlag::Standard;
    return std::nullopt;
}

} // namespace

const std::array<DriverFileRule, 18> kDriverFileRules = {{
    {HideFlag::Arcadia, "arcadia.c"},
    {HideFlag::BabyPhoenix, "konamigv.c"},
    {HideFlag::Cassette, "decocass.c"},
    {HideFlag::Crystal, "crystal.c"},
    {HideFlag::CVS, "cvs.c"},
    {HideFlag::HyperNeo, "hng64.c"},
    {HideFlag::MaxAFlex, "maxaflex.c"},
    {HideFlag::SegaC2, "segac2.c"},
    {HideFlag::MultiCassette, "macs.c"},
    {HideFlag::NeoGeo, "neogeo.c"},
    {HideFlag::Nintendo, "nss.c"},
    {HideFlag::PGM, "pgm.c"},
    {HideFlag::PlayChoice, "playch10.c"},
    {HideFlag::ZN, "zn.c"},
    {HideFlag::STV, "stv.c"},
    {HideFlag::Kaneko, "suprnova.c"},
    {HideFlag::SystemGX, "konamigx.c"},
    {HideFlag::MPU4, "mpu4.c"},
}};

HideRules HideRules::from(const Preferences& prefs)
{
    HideRules rules;
    rules.hide = prefs.hide;
    rules.year = prefs.year.toUtf8();
    return rules;
}

bool sourceMatchesDriverFile(QByteArrayView source, QByteArrayView driverFile)
{
    if (source == driverFile)
        return true;
    return isNewerSourceForm(source) &&
           baseNameWithoutExtension(source) == baseNameWithoutExtension(driverFile);
}

bool isListedDriverSource(QByteArrayView source)
{
    return std::any_of(kDriverFileRules.begin(), kDriverFileRules.end(),
                       [source](const DriverFileRule& rule) {
                           return sourceMatchesDriverFile(source, rule.file);
                       });
}

std::optional<HideFlag> hidingFilter(const GameRecord& game, const HideRules& rules)
{
    if (const auto driver = driverFileFilter(game, rules))
        return driver;
    if (rules.on(HideFlag::Clones) && game[GameRecord::Origin].startsWith(kCloneOf))
        return HideFlag::Clones;
    if (rules.on(HideFlag::Preliminary) && game[GameRecord::Status] == "Preliminary")
        return HideFlag::Preliminary;
    if (rules.on(HideFlag::Vs) && startsWithVs(game[GameRecord::Game]))
        return HideFlag::Vs;
    const QByteArray& year = game[GameRecord::Year];
    if (rules.on(HideFlag::Year) && year != kUnknownYear &&
        greaterByCharacterCode(year, rules.year))
        return HideFlag::Year;
    if (rules.on(HideFlag::Bootleg) && game[GameRecord::Manufacturer] == "bootleg")
        return HideFlag::Bootleg;
    const QByteArray& rom = game[GameRecord::Rom];
    if (rules.on(HideFlag::Test) && (rom == "sentetst" || rom == "ctsttape"))
        return HideFlag::Test;
    if (rules.on(HideFlag::CHD) && game[GameRecord::Chd] == "Yes")
        return HideFlag::CHD;
    if (rules.on(HideFlag::Imperfect) && game[GameRecord::Status] == "Imperfect")
        return HideFlag::Imperfect;
    return std::nullopt;
}

bool anyFilterApplied(const Preferences& prefs)
{
    return prefs.hideBadRoms ||
           std::any_of(prefs.hide.begin(), prefs.hide.end(), [](bool on) { return on; });
}

} // namespace velmora
