#pragma once
// Reads a machine list of today's layout, whose elements are <machine ...>: attribute values are
// taken by name wherever they stand, and each game's record is written at its </machine> (the
// feature elements follow the driver). Machines that are not games on their own (not runnable,
// BIOS sets, devices) are resources: their lines go unchanged, in list order, into resource.txt.
#include "gamedb/DatabaseOutput.h"
#include "gamedb/GameRecord.h"
#include "gamedb/LineReader.h"

#include <optional>
#include <string_view>

namespace velmora {

class MachineListReader
{
public:
    MachineListReader();

    // Reads every line of `lines`. A list that ends before its closing </mame> fails after every
    // complete machine has been written.
    ListReadResult read(LineReader& lines, DatabaseOutput& out);

private:
    // The quality columns (Color, Sound, Graphic) come from the driver element when it names them,
    // otherwise from the machine's feature of that type, otherwise "Good".
    struct Quality
    {
        std::optional<QByteArray> fromDriver;
        std::optional<QByteArray> fromFeature;
    };
    enum QualityIndex
    {
        ColorQuality,
        SoundQuality,
        GraphicQuality,
        QualityCount
    };

    enum class Tag
    {
        Other,
        Machine,
        MachineEnd,
        ListEnd,
        Description,
        Year,
        Manufacturer,
        Disk,
        Display,
        Driver,
        Feature
    };
    static Tag tagOf(std::string_view element);
    void readElement(std::string_view element, std::string_view line, DatabaseOutput& out);
    void beginMachine(std::string_view element, std::string_view line, DatabaseOutput& out);
    void endMachine(DatabaseOutput& out);
    void readDisplay(std::string_view element);
    void readDriver(std::string_view element);
    void readFeature(std::string_view element);

    GameRecord m_record;
    Quality m_quality[QualityCount];
    bool m_inGame = false;
    bool m_inResource = false;
    bool m_displaySeen = false;
    bool m_listClosed = false;
};

} // namespace velmora
