#pragma once

#include <QImage>
#include <QString>

namespace vellaro::qt {

// The chart a picture box shows while no picture file of the controller's own was
// loaded: the built-in "sidwest", "sideast" or "edbb" at the given size (a blank
// sheet for any other name).
QImage builtinChart(const QString& name, QSize size);

// The main window's decorative background: 800 x 400 pixels of quiet grey grain
// (8-bit grey, kept as a PGM).
QImage backgroundTexture();

} // namespace vellaro::qt
