#pragma once
// One machine list as mamediff compares it: every set (game, BIOS or device) with the attributes a
// person reads in the report and the files of its ROM set. The list is streamed line by line with
// the database's own reader, in either layout (<game> or today's <machine> elements); only the
// lines that matter here are kept.
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mamediff {

// One file of a set: a ROM or a hard disk. Its contents are kept as one 64-bit fingerprint of
// size, CRC, SHA-1 and dump status, so two files are the same file when name and fingerprint are.
struct SetFile
{
    std::string name;
    std::uint64_t contents = 0;
    bool fromParent = false; // the list marks it merged: it lives in the parent's or BIOS's set
    bool dumped = true;      // false for a file MAME knows was never dumped
};

struct Set
{
    std::string name;
    std::string description;
    std::string year;
    std::string manufacturer;
    std::string status; // the driver's status ("good", "imperfect", "preliminary")
    std::string cloneOf;
    std::vector<SetFile> files;
    std::vector<std::string> devices; // the devices it uses (today's layout only)
};

// Not copyable: the index holds views of the names in `sets` (a move keeps them in place).
struct SetList
{
    SetList() = default;
    SetList(SetList&&) = default;
    SetList& operator=(SetList&&) = default;
    SetList(const SetList&) = delete;
    SetList& operator=(const SetList&) = delete;

    std::string path;
    std::string build; // the <mame build="..."> text
    std::vector<Set> sets;
    std::unordered_map<std::string_view, std::size_t> byName; // into sets

    const Set* find(std::string_view name) const
    {
        const auto it = byName.find(name);
        return it == byName.end() ? nullptr : &sets[it->second];
    }
};

struct SetListResult
{
    bool ok = false;
    std::string error; // why the list could not be read, for a person
    SetList list;
};

// Reads the whole list. A list that cannot be opened, holds no set, or ends before its closing
// </mame> (a cut-off file) is refused with the reason: comparing half a list would report
// thousands of sets as removed.
SetListResult readSetList(const QString& path);

// The text of an element as a person reads it: the five XML character references decoded.
std::string decodeReferences(std::string_view text);

} // namespace mamediff
