#pragma once
// The audio seam: plays a sequence of plain tones (the news sound). Silence is acceptable where the
// platform has no audio output.
#include <QList>

namespace velmora::platform {

struct Tone
{
    int frequencyHz = 0;
    int durationMs = 0;
};

class Audio
{
public:
    virtual ~Audio() = default;
    virtual void playTones(const QList<Tone>& tones) = 0;
};

} // namespace velmora::platform
