#pragma once

#include <QPoint>
#include <QString>

namespace vellaro {

// The main window's own values; they live as long as the window.
struct ConsoleState {
    int stripsCollapsed = 1;
    bool checkLabelsShown = false;
    int groundMarkColumns = 2;
    int autoSid = 1;
    int timerMinutes = 0;
    int timerSeconds = 0;
    int atcLineIndex = 0;
    int conLineIndex = 0;
    int flTablesClosed = 1;
    int controllerPanelClosed = 1;
    int ilsPanelClosed = 1;
    int groundInfoClosed = 1;
    // Set by a recognised callsign box command until its confirmation is shown.
    int commandHandled = 0;

    // Squawk sequence: line 1 and 2 of squawk.txt.
    QString startSquawk;
    QString lastSquawk;

    int lookupRow = 0;
    QString webText;

    // Runway texts of the three lines of the weather overview.
    QString overviewRunway1;
    QString overviewRunway2;
    QString overviewRunway3;

    // Input simulation.
    QPoint cursorPoint;
    QPoint returnPoint;
    QPoint clickPoint1;
    QPoint clickPoint2;
    int pauseOver = 1;
};

} // namespace vellaro
