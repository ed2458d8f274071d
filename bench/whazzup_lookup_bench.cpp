// Lookups in a generated status file of 10 000 clients (about 3.5 MB): a flight plan,
// the controller list of the default control.txt and an aerodrome list, each timed
// beside `grep -c` counting the same key in the same file.
// Not a test: run it by hand, `build/<preset>/bench/whazzup_lookup_bench`.

#include "network/WhazzupRecord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

namespace wz = vellaro::whazzup;

const char* const kAirports[] = {"EDDT", "EDDF", "EDDM", "LEMD", "EGLL", "LFPG", "EHAM", "LSZH"};

QString pilot(int i) {
    QStringList f(40);
    f[0] = QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0'));
    f[1] = QString::number(100000 + i);
    f[2] = QStringLiteral("Pilot Number %1").arg(i);
    f[3] = QStringLiteral("PILOT");
    f[5] = QStringLiteral("52.123456");
    f[6] = QStringLiteral("13.654321");
    f[7] = QStringLiteral("35000");
    f[8] = QStringLiteral("451");
    f[9] = QStringLiteral("1/A320/M-SDE2E3FGHIJ1RWY/LB1");
    f[10] = QStringLiteral("N0450");
    f[11] = QString::fromLatin1(kAirports[i % 8]);
    f[12] = QStringLiteral("F350");
    f[13] = QString::fromLatin1(kAirports[(i / 8 + 3) % 8]);
    f[14] = QStringLiteral("EU%1").arg(i % 7);
    f[29] = QStringLiteral("PBN/A1B1C1D1L1O1S1 DOF/261209 RMK/TCAS");
    f[30] = QStringLiteral("RKT1T RKT DCT KODOM UL132 DOMUX DCT BEGAR UN870 TOBEN");
    f[15] = QStringLiteral("B");
    f[17] = QStringLiteral("1200");
    f[18] = QStringLiteral("I");
    f[20] = QStringLiteral("1830");
    f[22] = QStringLiteral("2");
    f[24] = QStringLiteral("5");
    f[28] = QStringLiteral("LEBL");
    f[31] = QStringLiteral("S");
    f[32] = QStringLiteral("150");
    f[33] = QStringLiteral("SOFTWARE/ALTITUDE/1.11.2b/MSFS/TEXTURE_1234");
    f[34] = QStringLiteral("2026-12-09T19:00:00 EET/EDUU0012 EDVV0035 LECM0125 SEL/ABCD");
    f[35] = QStringLiteral("0");
    return f.join(QLatin1Char(':'));
}

QString atc(int i) {
    QStringList f(20);
    f[0] = i < 13 ? QStringList{"EDDT_GND",   "EDDT_TWR", "EDDI_GND", "EDDI_TWR",   "EDDB_GND",
                                "EDDB_TWR",   "EDBB_APP", "EDBB_DEP", "EDBB_1_APP", "EDBB_CTR",
                                "EDBB_1_CTR", "EDDP_APP", "EDBB_OBS"}[i]
                  : QStringLiteral("X%1_TWR").arg(i);
    f[1] = QString::number(200000 + i);
    f[2] = QStringLiteral("Controller %1").arg(i);
    f[3] = QStringLiteral("ATC");
    f[4] = QStringLiteral("124.525");
    return f.join(QLatin1Char(':'));
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

} // namespace

int main() {
    QString text = QStringLiteral("!GENERAL\r\nVERSION = 8\r\n!CLIENTS\r\n");
    for (int i = 0; i < 500; ++i) {
        text += atc(i) + QStringLiteral("\r\n");
    }
    for (int i = 0; i < 9500; ++i) {
        text += pilot(i) + QStringLiteral("\r\n");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("whazzup.txt"));
    QFile f(path);
    const QByteArray bytes = text.toLatin1();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    f.close();

    const QString grep = QStandardPaths::findExecutable(QStringLiteral("grep"));
    const auto grepCount = [&](const QString& key) {
        return timeIt([&] {
            QProcess p;
            p.start(grep,
                    {QStringLiteral("-c"), QStringLiteral("-F"), QStringLiteral("-e"), key, path});
            p.waitForFinished(60000);
        });
    };

    // The last pilot: the search runs through the whole text.
    const QString flight = QStringLiteral("P09499");
    const double plan = timeIt([&] {
        qsizetype p = 0;
        wz::destination(text, flight, &p);
        wz::flightPlanBoxes(text, p);
    });
    const QStringList stations = {"EDDT_GND",   "EDDT_TWR", "EDDI_GND", "EDDI_TWR",   "EDDB_GND",
                                  "EDDB_TWR",   "EDBB_APP", "EDBB_DEP", "EDBB_1_APP", "EDBB_CTR",
                                  "EDBB_1_CTR", "EDDP_APP", "EDBB_OBS"};
    const double controllers = timeIt([&] {
        for (const QString& s : stations) {
            wz::controllerLine(text, s);
        }
    });
    QString list;
    const double aerodrome =
        timeIt([&] { list = wz::aerodromeList(text, QStringLiteral("EDDT")); });

    std::printf("status file: %.1f MB, 10000 clients; aerodrome list EDDT: %lld lines\n",
                double(bytes.size()) / 1e6, static_cast<long long>(list.count(QLatin1Char('\n'))));
    if (grep.isEmpty()) {
        std::printf("no grep: lookups %.2f / %.2f / %.2f ms\n", plan, controllers, aerodrome);
        return 0;
    }
    const double gFlight = grepCount(flight);
    const double gStation = grepCount(stations.last());
    const double gAerodrome = grepCount(QStringLiteral(":EDDT:"));
    std::printf("%-34s %9s %12s %7s\n", "lookup", "ms", "grep -c ms", "ratio");
    std::printf("%-34s %9.2f %12.2f %7.2f\n", "flight plan (getwhat+getstrip)", plan, gFlight,
                plan / gFlight);
    std::printf("%-34s %9.2f %12.2f %7.2f\n", "controller list (13 stations)", controllers,
                13 * gStation, controllers / (13 * gStation));
    std::printf("%-34s %9.2f %12.2f %7.2f\n", "aerodrome list (:EDDT:)", aerodrome, gAerodrome,
                aerodrome / gAerodrome);
    std::printf(
        "(grep times include starting the process; the lookups search the text in memory)\n");
    return 0;
}
