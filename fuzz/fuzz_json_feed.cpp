// The JSON status feed turned into the classic file, then read as the lookups do; and
// the squawks taken from it.
#include "network/AnswerAdapters.h"
#include "network/FeedSquawks.h"
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
    if (const auto near = squawksNear(body, 52.36, 13.50, 300)) {
        for (const SquawkHolder& h : *near) {
            // Four octal digits, always.
            if (h.code.size() != 4 || h.code.contains(QLatin1Char('8')) ||
                h.code.contains(QLatin1Char('9'))) {
                std::abort();
            }
        }
    }
    return 0;
}
