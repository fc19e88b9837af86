#include "gamedb/RomSetName.h"

namespace velmora {

bool isSafeRomSetName(QByteArrayView name)
{
    if (name.isEmpty() || name == "." || name == ".." || name.startsWith('-'))
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '/' || c == '\\')
            return false;
    }
    return true;
}

} // namespace velmora
