#pragma once

#include <QString>

namespace vellaro {

// The weather values that no control shows. The shown ones (wind, QNH, runways,
// time box, letter, transition level, inches, station, METAR line, marker) are the
// controls' own texts and are read and written there.
struct WeatherState {
    QString metarTail;
    QString requestIcao;
    QString noaaKey;
    QString previousTimeBox;
    int tickCount = 0;
    int firstRetrieval = 1;
    QString response;
    QString metarExtract;
    QString atisStation = QStringLiteral("EDDT");
    double letterIndex = 1;
    QString letterWord;
    QString voiceServer;
    bool immediateContact = false;
};

} // namespace vellaro
