// A list of raw reports as today's weather service sends it, made into the old page
// for the station named on the first line.
#include "FuzzInput.h"

#include "network/AnswerAdapters.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vellaro;
    fuzz::Input in(data, size);
    const QString station = in.utf8Line(8);
    const QString page = noaaPageFromRawList(QString::fromUtf8(in.rest), station);
    // Either nothing or one report ended as the old page ended it.
    if (!page.isEmpty() && !page.endsWith(QLatin1String("<BR>"))) {
        std::abort();
    }
    return 0;
}
