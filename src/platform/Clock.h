#pragma once
// The clock seam: time of day for the start-up timestamps and dates for reports.
#include <QDateTime>

namespace velmora::platform {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Seconds since midnight, with fractions, as the start-up timestamps are kept.
    double secondsSinceMidnight() const;
};

} // namespace velmora::platform
