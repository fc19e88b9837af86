#pragma once
// Captions drawn straight on the window's gradient (the check boxes, the frame captions, the
// "no screen shot" caption) must stay readable whatever colours the user picked for it, enabled
// or not. The measure is the usual contrast ratio of two colours' relative luminances, from 1
// (the same) to 21 (black on white); a caption needs at least 3.
#include <QColor>
#include <QList>

class QWidget;

namespace velmora {

inline constexpr double kReadableContrast = 3.0;
// What an enabled caption keeps of the system's text colour: it must read well, not just read.
inline constexpr double kClearContrast = 4.5;

double contrastRatio(const QColor& a, const QColor& b);

// `wanted` when it reads at least `ratio` : 1 against every one of `backgrounds`; otherwise the
// least darkened or lightened shade of it that does, or, when no shade does, the one of black and
// white that reads best.
QColor readableOn(const QColor& wanted, const QList<QColor>& backgrounds,
                  double ratio = kReadableContrast);

// Gives `caption` text colours that read against `backgrounds`. Enabled: the system palette's
// text colour when it reads clearly, otherwise black or white, whichever reads better. Disabled:
// the system's disabled colour when it reads, otherwise the least darker or lighter shade of it
// that does, so that a disabled caption stays readable and still looks fainter.
void makeCaptionReadable(QWidget* caption, const QList<QColor>& backgrounds);

} // namespace velmora
