#pragma once

namespace vellaro::qt {

// The desktop program: the console in real windows with the Qt services.
int runDesktop(int argc, char** argv);

} // namespace vellaro::qt
