// The status-file readers on arbitrary text: the first line is the key looked up
// (a callsign, a station or an aerodrome code), the rest the downloaded file.
#include "FuzzInput.h"

#include "network/WhazzupRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    fuzz::Input in(data, size);
    const uint8_t scan = in.byte();
    const QString key = in.utf8Line(12);
    const QString text = QString::fromLatin1(in.rest);

    whazzup::isStatusFile(text);
    whazzup::controllerLine(text, key);
    qsizetype anchor = 0;
    whazzup::destination(text, key, &anchor);
    whazzup::flightPlanBoxes(text, anchor);
    whazzup::aerodromeList(text, key);
    // The bounded scans at every place a reader may start from, ends included.
    for (const qsizetype at : {qsizetype(0), qsizetype(1), anchor, text.size(), text.size() + 1}) {
        whazzup::colonOffset(text, at, 1 + scan % 16, scan);
        whazzup::piece(text, at, scan);
    }
    return 0;
}
