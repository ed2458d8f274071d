// The readers of the user's line files: the telephony list (airlines.txt), the route
// shortcuts (shortcut.txt), the aerodrome names (ICAO.txt) and the ATC client's text
// macros. The first byte picks the file, the first line is what the user types, the
// rest the file's bytes.
#include "FuzzConsole.h"
#include "FuzzInput.h"

#include "core/MainWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    fuzz::Input in(data, size);
    const uint8_t which = in.byte();
    const int row = (which >> 2) % 7;
    const QString typed = QString::fromLatin1(in.line(12));
    fuzz::FuzzConsole c;
    MainWindow& w = c.window();
    switch (which % 4) {
    case 0:
        c.writeFile(QStringLiteral("airlines.txt"), in.rest);
        w.Text7[row].userType(typed);
        break;
    case 1:
        c.writeFile(QStringLiteral("shortcut.txt"), in.rest);
        w.Text9[row].userType(typed);
        break;
    case 2:
        c.writeFile(QStringLiteral("ICAO.txt"), in.rest);
        w.Text8[row].userType(typed);
        break;
    default:
        c.writeFile(c.macroFile(), in.rest);
        w.Text7[row].userType(QLatin1Char('.') + typed + QLatin1Char('.'));
        break;
    }
    return 0;
}
