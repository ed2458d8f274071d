#pragma once

#include "platform/AtcClientLink.h"
#include "platform/Beeper.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/HttpService.h"
#include "platform/InputInjector.h"
#include "platform/MessageBoxService.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramLauncher.h"
#include "platform/ScreenInfo.h"
#include "platform/TimerService.h"

#include <QString>

namespace vellaro {

// Everything outside the console, handed in at construction.
struct Platform {
    Clipboard& clipboard;
    HttpService& http;
    InputInjector& input;
    MessageBoxService& messages;
    Beeper& beeper;
    ProgramLauncher& launcher;
    ScreenInfo& screen;
    Clock& clock;
    TimerService& timers;
    PictureLoader& pictures;
    // The data folder: on the desktop --data, VELLARO_DATA or the program's own folder.
    QString dataDir;
    // Where the ATC client keeps its text-macro file.
    QString proControllerMacroFile;
    // The ATC client's local interface.
    AtcClientLink& atcClient;
};

} // namespace vellaro
