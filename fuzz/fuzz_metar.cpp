// A downloaded page as the METAR service's answer: the automatic retrieval cuts the
// report out and decodes it, the "3" button reads three airports from it, and the
// same bytes on the clipboard go through the "ATIS" button's decoding.
#include "FuzzConsole.h"
#include "FuzzInput.h"

#include "core/MainWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    fuzz::Input in(data, size);
    const uint8_t mode = in.byte();
    fuzz::FuzzConsole c((mode & 1) != 0);
    MainWindow& w = c.window();
    const QString station = in.utf8Line(8);
    if (!station.isEmpty()) {
        w.Text6.setText(station);
    }
    const QString page = QString::fromLatin1(in.rest);
    c.services().http.serve(QString(), page);
    w.Command40.userClick();
    w.Command41.userClick();
    c.services().clipboard.setText(page);
    w.Command18.userClick();
    return 0;
}
