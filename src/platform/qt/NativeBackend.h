#pragma once

#include "platform/InputInjector.h"

#include <QString>

#include <functional>
#include <memory>
#include <thread>

class QWindow;

// What the desktop program needs from the operating system beyond Qt. One source
// folder per platform implements it (x11/ or win32/); CMake picks the folder.
namespace vellaro::native {

// Pointer and keyboard injection into whatever window has the pointer or focus.
std::unique_ptr<InputInjector> createInputInjector();
// Makes the injector ready once the window is up, and says once on standard error
// when it cannot work here.
void prepareInputInjector(InputInjector& input);

// Asks the window system to keep a shown window above all others, or to let it go.
// False when there is no such call here and Qt's window flag has to do.
bool setTopMost(QWindow& window, bool on);

// Reads the system's font configuration on a second thread while the program
// reaches the display, so that it is ready when the first window lays out its text.
// The result is waited for when it is destroyed; empty where there is nothing to read.
std::jthread warmUpFonts();

// Empty when a graphical display can be reached; otherwise what to tell the user.
QString missingDisplayMessage();

// Where the ATC client keeps its text-macro file on this platform.
QString proControllerMacroFile();

// Runs onTerminate on the user interface thread when the system asks the program to
// end (SIGTERM, SIGINT, a console close), so the shut-down can save its files.
void onTerminationRequest(std::function<void()> onTerminate);

} // namespace vellaro::native
