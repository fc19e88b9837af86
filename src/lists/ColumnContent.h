#pragma once
// What a list's columns hold at their widest, so the window can make each column as wide as its
// content without measuring every row: for each column, the few longest distinct texts as the
// user reads them. Measuring these in the list's font gives the column's width; 40,000 rows are
// only counted, never drawn or measured.
#include "lists/GameListModel.h"

#include <QStringList>
#include <vector>

namespace velmora {

// The longest shown texts of each column of `model` (at most `perColumn` distinct ones, longest
// first, by characters); index = column. Columns not in `columns` stay empty.
std::vector<QStringList> widestTexts(const GameListModel& model, const std::vector<int>& columns,
                                     int perColumn = 12);

} // namespace velmora
