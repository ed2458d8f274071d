// The JSON status feed turned into the classic file, then read as the lookups do.
#include "network/AnswerAdapters.h"
#include "network/WhazzupRecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    const QString body = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = whazzupTextFromJson(body);
    if (text != body) {
        // A converted feed is always a status file, one record per line.
        if (!whazzup::isStatusFile(text)) {
            std::abort();
        }
    }
    whazzup::controllerLine(text, QStringLiteral("EDDT_TWR"));
    qsizetype anchor = 0;
    whazzup::destination(text, QStringLiteral("DLH"), &anchor);
    whazzup::flightPlanBoxes(text, anchor);
    whazzup::aerodromeList(text, QStringLiteral("EDDT"));
    return 0;
}
