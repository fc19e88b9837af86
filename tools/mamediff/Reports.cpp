#include "Reports.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace mamediff {
namespace {

// A file of a ROM set as the set holds it: its name and its contents' fingerprint.
using Entry = std::pair<std::string_view, std::uint64_t>;
using Entries = std::vector<Entry>;

// How many file names a report line names before it says "and N more".
constexpr std::size_t kNamesShown = 6;
constexpr int kNameColumn = 16;

void sortUnique(Entries& entries)
{
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
}

// What differs between two ROM sets: a name in both with other contents is a changed file.
struct FileChanges
{
    std::vector<std::string_view> changed, added, removed;
    bool any() const { return !changed.empty() || !added.empty() || !removed.empty(); }
};

FileChanges compareFiles(const Entries& before, const Entries& after)
{
    Entries gone, came;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(came));
    FileChanges changes;
    auto g = gone.begin();
    auto c = came.begin();
    while (g != gone.end() || c != came.end()) {
        if (c == came.end() || (g != gone.end() && g->first < c->first)) {
            changes.removed.push_back(g->first);
            ++g;
        } else if (g == gone.end() || c->first < g->first) {
            changes.added.push_back(c->first);
            ++c;
        } else {
            const std::string_view name = g->first;
            changes.changed.push_back(name);
            while (g != gone.end() && g->first == name)
                ++g;
            while (c != came.end() && c->first == name)
                ++c;
        }
    }
    return changes;
}

std::string nameList(const std::vector<std::string_view>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
        if (i)
            out += ", ";
        out += names[i];
    }
    if (names.size() > kNamesShown)
        out += " and " + std::to_string(names.size() - kNamesShown) + " more";
    return out;
}

std::string describe(const FileChanges& changes)
{
    std::string out;
    const auto part = [&out](const std::vector<std::string_view>& names, const char* what) {
        if (names.empty())
            return;
        if (!out.empty())
            out += "; ";
        out += std::to_string(names.size()) + ' ' + what + " (" + nameList(names) + ')';
    };
    part(changes.changed, "changed");
    part(changes.added, "added");
    part(changes.removed, "removed");
    return out;
}

std::string padded(std::string_view name)
{
    std::string out(name);
    out.append(std::size_t(std::max<int>(1, kNameColumn - int(name.size()))), ' ');
    return out;
}

std::string quoted(const std::string& text)
{
    return '"' + text + '"';
}

std::string listLine(const char* which, const SetList& list)
{
    std::string line = std::string(which) + " list: " + list.path;
    if (!list.build.empty())
        line += " (MAME " + list.build + ')';
    return line + ", " + std::to_string(list.sets.size()) + " sets\n";
}

// The report: a title, the two lists, then the sections in order; empty sections are left out.
class ReportText
{
public:
    ReportText(const char* title, const SetList& oldList, const SetList& newList)
        : m_head(std::string(title) + "\n" + listLine("Old", oldList) + listLine("New", newList))
    {
    }

    // A section of `count` items (one per line unless told otherwise), in the order given.
    void section(const std::string& heading, const std::vector<std::string>& lines,
                 std::size_t count = 0)
    {
        if (lines.empty())
            return;
        count = count ? count : lines.size();
        m_counts.emplace_back(heading, count);
        m_body += "\n--- " + heading + " (" + std::to_string(count) + ")\n";
        for (const std::string& line : lines)
            m_body += line + '\n';
    }

    // Empty when no section has a line.
    std::string text() const
    {
        if (m_counts.empty())
            return {};
        std::string summary = "\n--- Summary\n";
        for (const auto& [heading, count] : m_counts)
            summary += heading + ": " + std::to_string(count) + '\n';
        return m_head + summary + m_body;
    }

private:
    std::string m_head;
    std::string m_body;
    std::vector<std::pair<std::string, std::size_t>> m_counts;
};

// ---- The general summary -------------------------------------------------------------------

Entries filesOf(const Set& set)
{
    Entries entries;
    entries.reserve(set.files.size());
    for (const SetFile& f : set.files)
        entries.emplace_back(f.name, f.contents);
    sortUnique(entries);
    return entries;
}

// The contents of a set without its file names, for telling a renamed set; 0 for a set without a
// dumped file (two empty sets are not the same set).
std::uint64_t contentsKey(const Set& set)
{
    std::vector<std::uint64_t> contents;
    for (const SetFile& f : set.files)
        if (f.dumped)
            contents.push_back(f.contents);
    if (contents.empty())
        return 0;
    std::sort(contents.begin(), contents.end());
    std::uint64_t key = 0x9e3779b97f4a7c15ULL;
    for (const std::uint64_t c : contents)
        key = (key ^ c) * 0x100000001b3ULL + (key >> 29);
    return key ? key : 1;
}

std::vector<std::string> attributeChanges(const Set& before, const Set& after)
{
    std::vector<std::string> lines;
    const std::string name = after.name + ": ";
    const auto text = [&](const char* what, const std::string& a, const std::string& b) {
        if (a != b)
            lines.push_back(name + what + ' ' + quoted(a) + " -> " + quoted(b));
    };
    text("description", before.description, after.description);
    text("year", before.year, after.year);
    text("manufacturer", before.manufacturer, after.manufacturer);
    text("driver status", before.status, after.status);
    text("parent", before.cloneOf, after.cloneOf);
    const FileChanges files = compareFiles(filesOf(before), filesOf(after));
    if (files.any())
        lines.push_back(name + "ROMs " + describe(files));
    return lines;
}

std::string summary(const SetList& oldList, const SetList& newList)
{
    std::vector<const Set*> added, removed;
    for (const Set& set : newList.sets)
        if (!oldList.find(set.name) && newList.find(set.name) == &set)
            added.push_back(&set);
    for (const Set& set : oldList.sets)
        if (!newList.find(set.name) && oldList.find(set.name) == &set)
            removed.push_back(&set);

    // A removed set whose contents reappear under a new name was renamed.
    std::unordered_multimap<std::uint64_t, const Set*> addedByContents;
    for (const Set* set : added)
        if (const std::uint64_t key = contentsKey(*set))
            addedByContents.emplace(key, set);
    std::vector<std::string> renamedLines, addedLines, removedLines, changedLines;
    std::unordered_set<const Set*> renamedTo;
    for (const Set* set : removed) {
        const auto match = addedByContents.find(contentsKey(*set));
        if (match == addedByContents.end() || contentsKey(*set) == 0) {
            removedLines.push_back(padded(set->name) + set->description);
            continue;
        }
        renamedLines.push_back(set->name + " -> " + padded(match->second->name) +
                               match->second->description);
        renamedTo.insert(match->second);
        addedByContents.erase(match);
    }
    for (const Set* set : added)
        if (!renamedTo.contains(set))
            addedLines.push_back(padded(set->name) + set->description);

    std::vector<const Set*> kept;
    for (const Set& after : newList.sets)
        if (oldList.find(after.name) && newList.find(after.name) == &after)
            kept.push_back(&after);
    std::sort(kept.begin(), kept.end(),
              [](const Set* a, const Set* b) { return a->name < b->name; });
    std::size_t changedSets = 0;
    for (const Set* after : kept) {
        std::vector<std::string> lines = attributeChanges(*oldList.find(after->name), *after);
        changedSets += !lines.empty();
        for (std::string& line : lines)
            changedLines.push_back(std::move(line));
    }
    for (auto* lines : {&addedLines, &removedLines, &renamedLines})
        std::sort(lines->begin(), lines->end());

    ReportText report("General summary of the changes between two MAME machine lists", oldList,
                      newList);
    report.section("Added sets", addedLines);
    report.section("Removed sets", removedLines);
    report.section("Renamed sets, same ROMs under a new name", renamedLines);
    report.section("Changed sets", changedLines, changedSets);
    return report.text();
}

// ---- ROM sets ------------------------------------------------------------------------------

// Every ROM set of a list in one form, by the name of the set (its zip file).
using RomSets = std::map<std::string_view, Entries>;

// Merged-split: a parent's set holds its own files and every clone's, but not what comes from a
// BIOS (files the list marks as merged).
RomSets mergedSets(const SetList& list)
{
    RomSets sets;
    for (const Set& set : list.sets) {
        Entries& entries = sets[set.cloneOf.empty() ? std::string_view(set.name) : set.cloneOf];
        for (const SetFile& f : set.files)
            if (f.dumped && !f.fromParent)
                entries.emplace_back(f.name, f.contents);
    }
    for (auto& [name, entries] : sets)
        sortUnique(entries);
    return sets;
}

// Full-split: each set holds everything it needs on its own: its own files, those it shares with
// its parent and BIOS (which the list names in the set), and the files of the devices it uses.
RomSets fullSets(const SetList& list)
{
    RomSets sets;
    std::vector<const Set*> seen;
    const std::function<void(const Set&, Entries&)> collect = [&](const Set& set, Entries& out) {
        if (std::find(seen.begin(), seen.end(), &set) != seen.end())
            return;
        seen.push_back(&set);
        for (const SetFile& f : set.files)
            if (f.dumped)
                out.emplace_back(f.name, f.contents);
        for (const std::string& device : set.devices)
            if (const Set* d = list.find(device))
                collect(*d, out);
    };
    for (const Set& set : list.sets) {
        Entries& entries = sets[set.name];
        seen.clear();
        collect(set, entries);
        sortUnique(entries);
    }
    return sets;
}

std::string fileCount(const Entries& entries)
{
    return std::to_string(entries.size()) + (entries.size() == 1 ? " file" : " files");
}

std::string romSets(const SetList& oldList, const SetList& newList, Report kind)
{
    const bool merged = kind == Report::MergedSplit;
    const RomSets before = merged ? mergedSets(oldList) : fullSets(oldList);
    const RomSets after = merged ? mergedSets(newList) : fullSets(newList);
    std::vector<std::string> changed, added, removed;
    for (const auto& [name, entries] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second.empty()) {
            if (!entries.empty())
                added.push_back(padded(name) + fileCount(entries));
        } else if (const FileChanges c = compareFiles(old->second, entries); c.any()) {
            changed.push_back(padded(name) + describe(c));
        }
    }
    for (const auto& [name, entries] : before) {
        const auto now = after.find(name);
        if (!entries.empty() && (now == after.end() || now->second.empty()))
            removed.push_back(padded(name) + fileCount(entries));
    }
    const char* form = merged ? "merged-split" : "full-split";
    ReportText report(merged ? "ROM sets that changed in merged-split form (a parent with all its "
                               "clones' ROMs; BIOS ROMs stay in the BIOS set)"
                             : "ROM sets that changed in full-split form (each set with everything "
                               "it needs from its parent, BIOS and devices)",
                      oldList, newList);
    report.section(std::string("Changed ") + form + " sets", changed);
    report.section(std::string("New ") + form + " sets", added);
    report.section(std::string("Removed ") + form + " sets", removed);
    return report.text();
}

} // namespace

std::string compareLists(const SetList& oldList, const SetList& newList, Report report)
{
    if (report == Report::Summary)
        return summary(oldList, newList);
    return romSets(oldList, newList, report);
}

} // namespace mamediff
