#pragma once
// The game a command acts on: the selected row of the active list, as the launch, the audits and
// the settings editor read it.
#include "app/ListKind.h"

#include <QString>

namespace velmora {

struct SelectedGame
{
    QString rom;
    QString description;
    QString displayType; // the Type column: "Raster", "Vector", "Lcd", "Svg", ...
    ListKind list = ListKind::All;
};

} // namespace velmora
