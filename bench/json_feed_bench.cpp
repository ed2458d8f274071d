// Converts a generated status feed of 10 000 clients (about 8 MB of JSON) to the
// classic status text, and times python3's json.load on the same file beside it.
// Not a test: run it by hand, `build/<preset>/bench/json_feed_bench`.

#include "network/AnswerAdapters.h"
#include "network/FeedSquawks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray pilotJson(int i) {
    const QByteArray n = QByteArray::number(i);
    return "{\"time\":3600,\"id\":" + n + ",\"userId\":" + QByteArray::number(100000 + i) +
           ",\"callsign\":\"DLH" + n + "\",\"serverId\":\"EU" + QByteArray::number(i % 7) +
           "\",\"softwareTypeId\":\"altitude/win\",\"softwareVersion\":\"1.11.2b\","
           "\"rating\":5,\"createdAt\":\"2026-12-09T18:00:00.000Z\","
           "\"lastTrack\":{\"altitude\":35000,\"altitudeDifference\":0,\"arrivalDistance\":431.2,"
           "\"departureDistance\":120.5,\"groundSpeed\":451,\"heading\":231,"
           "\"latitude\":52.123456,\"longitude\":13.654321,\"onGround\":false,"
           "\"state\":\"En Route\",\"timestamp\":\"2026-12-09T19:00:00.000Z\","
           "\"transponder\":2000,\"transponderMode\":\"C\",\"time\":3600},"
           "\"flightPlan\":{\"id\":" +
           n +
           ",\"revision\":1,\"aircraftId\":\"A320\",\"aircraftNumber\":1,"
           "\"departureId\":\"EDDT\",\"arrivalId\":\"LEMD\",\"alternativeId\":\"LEBL\","
           "\"alternative2Id\":null,\"route\":\"RKT1T RKT DCT KODOM UL132 DOMUX DCT BEGAR\","
           "\"remarks\":\"PBN/A1B1C1D1L1O1S1 DOF/261209 REG/DAIZZ RMK/TCAS ÄÖÜ\","
           "\"speed\":\"N0450\",\"level\":\"F350\",\"flightRules\":\"I\",\"flightType\":\"S\","
           "\"eet\":9600,\"endurance\":18000,\"departureTime\":68400,"
           "\"actualDepartureTime\":null,\"peopleOnBoard\":150,"
           "\"createdAt\":\"2026-12-09T17:00:00.000Z\","
           "\"aircraftEquipments\":\"SDE2E3FGHIJ1RWY\",\"aircraftTransponderTypes\":\"LB1\"},"
           "\"pilotSession\":{\"simulatorId\":\"MSFS\",\"textureId\":1234}}";
}

QByteArray atcJson(int i) {
    return "{\"time\":7200,\"id\":" + QByteArray::number(900000 + i) +
           ",\"userId\":" + QByteArray::number(200000 + i) + ",\"callsign\":\"ED" +
           QByteArray::number(i) +
           "_TWR\",\"serverId\":\"EU1\",\"rating\":6,"
           "\"atcSession\":{\"frequency\":124.525,\"position\":\"TWR\"},"
           "\"atis\":{\"lines\":[\"EDDT_TWR\",\"Information A\",\"RWY 26R\"],"
           "\"revision\":\"A\",\"timestamp\":\"2026-12-09T19:00:00.000Z\"}}";
}

QByteArray feed(int clients) {
    QByteArray atcs;
    QByteArray pilots;
    const int controllers = clients / 20;
    for (int i = 0; i < controllers; ++i) {
        atcs += (i ? "," : "") + atcJson(i);
    }
    for (int i = 0; i < clients - controllers; ++i) {
        pilots += (i ? "," : "") + pilotJson(i);
    }
    return "{\"updatedAt\":\"2026-12-09T19:00:00.000Z\",\"servers\":[],\"clients\":{"
           "\"pilots\":[" +
           pilots + "],\"atcs\":[" + atcs + "],\"observers\":[]}}";
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("whazzup.json"));
    const QByteArray json = feed(10000);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    f.close();

    constexpr int kRuns = 7;
    std::vector<double> ours;
    qsizetype lines = 0;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        // As the download hands it over: the body decoded, then converted once.
        const QString text = vellaro::whazzupTextFromJson(QString::fromUtf8(in.readAll()));
        ours.push_back(double(t.nsecsElapsed()) / 1e6);
        lines = text.count(QLatin1Char('\n'));
    }

    // The squawks in use, taken from every download of the feed as well.
    std::vector<double> squawks;
    std::size_t near = 0;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        const auto found = vellaro::squawksNear(QString::fromUtf8(in.readAll()), 52.36, 13.50, 300);
        squawks.push_back(double(t.nsecsElapsed()) / 1e6);
        near = found ? found->size() : 0;
    }

    std::vector<double> python;
    const QString py = QStandardPaths::findExecutable(QStringLiteral("python3"));
    for (int i = 0; i < kRuns && !py.isEmpty(); ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(py, {QStringLiteral("-c"),
                     QStringLiteral("import json,sys; json.load(open(sys.argv[1]))"), path});
        p.waitForFinished(60000);
        python.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    std::printf("feed: %.1f MB, 10000 clients, %lld lines out\n", double(json.size()) / 1e6,
                static_cast<long long>(lines));
    std::printf("vellaro whazzupTextFromJson: %8.1f ms (median of %d)\n", median(ours), kRuns);
    std::printf("vellaro squawksNear:         %8.1f ms (median of %d, %zu pilots near), "
                "ratio to the conversion %.2f\n",
                median(squawks), kRuns, near, median(squawks) / median(ours));
    if (python.empty()) {
        std::printf("python3 json.load:           n/a (no python3)\n");
    } else {
        std::printf(
            "python3 json.load:           %8.1f ms (median of %d, process start included)\n",
            median(python), kRuns);
        std::printf("ratio vellaro / python3:     %8.2f\n", median(ours) / median(python));
    }
    return 0;
}
