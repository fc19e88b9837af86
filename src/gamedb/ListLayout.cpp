#include "gamedb/ListLayout.h"

#include "gamedb/ElementLine.h"
#include "gamedb/LineReader.h"

namespace velmora {

ListLayout detectListLayout(const QString& listXml)
{
    LineReader lines(64 * 1024);
    QString error;
    if (!lines.open(listXml, &error))
        return ListLayout::GameElements;
    std::string_view line;
    while (lines.next(&line)) {
        const std::size_t open = line.find('<');
        if (open == std::string_view::npos)
            continue;
        const ElementLine element(line.substr(open));
        if (element.is("machine"))
            return ListLayout::MachineElements;
        if (element.is("game"))
            return ListLayout::GameElements;
    }
    return ListLayout::GameElements;
}

} // namespace velmora
