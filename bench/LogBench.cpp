// Reading the flight log: today's flights and a callsign history count on a large
// generated log, each beside `grep -c` of the same key on the same file.
//
//   vellaro_log_bench [LINES]     (default 500000, about 60 MB)

#include "console/Console.h"
#include "core/MainWindow.h"
#include "flightlog/TodaysFlightsWindow.h"
#include "scenario/Fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vellaro;

namespace {

constexpr int kRuns = 7;
constexpr int kLinesPerDay = 1000;
const QDate kToday(2026, 12, 9);

// Log lines as the writer makes them, one day after the other, today last. The
// file is written piece by piece, never held whole.
void writeLog(const QString& path, int lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    const char* const airlines[] = {"DLH", "BER", "AFR", "BAW", "SAS", "CFG", "EZY", "KLM"};
    const char* const dests[] = {"EDDF", "EDDM", "LFPG", "EGLL", "ESSA", "LEPA", "EHAM", "LOWW"};
    const int days = (lines + kLinesPerDay - 1) / kLinesPerDay;
    QByteArray chunk;
    for (int i = 0; i < lines; ++i) {
        const QDate day = kToday.addDays(i / kLinesPerDay - days + 1);
        const QByteArray cs = QByteArray(airlines[i % 8]) + QByteArray::number(100 + (i * 7) % 900);
        QByteArray line =
            cs.leftJustified(20, '.') + "  " + dests[(i / 8) % 8] + "  " + QByteArray("BRANE1L") +
            "  " + QByteArray::number(5051 + i % 20) + "  " + QByteArray(36, '.') + "  " +
            day.toString(u"dd.MM.yyyy").toLatin1() + "  " +
            QTime(6, 0).addSecs(i % kLinesPerDay * 50).toString(u"hh:mm:ss").toLatin1() +
            "  26L\r\n";
        chunk += line;
        if (chunk.size() > (1 << 20)) {
            f.write(chunk);
            chunk.clear();
        }
    }
    f.write(chunk);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

// grep -c of a fixed text, timed the same way (process start included).
double grepMs(const QString& key, const QString& path, int* count) {
    return timeMs([&] {
        QProcess p;
        p.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-F"), key, path});
        p.waitForFinished(-1);
        *count = p.readAllStandardOutput().trimmed().toInt();
    });
}

long peakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int full = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500000;
    QTemporaryDir dir;
    fake::Services s(dir.path());
    s.clock.set(QDateTime(kToday, QTime(23, 0)));
    Console console(s.platform);
    console.start();
    const QString log = dir.filePath(QStringLiteral("log.txt"));
    const QString callsign = QStringLiteral("DLH123");
    const QString date = kToday.toString(u"dd.MM.yyyy");

    std::printf("%9s %8s | %-28s | %-28s | %9s\n", "lines", "MB", "today's flights  (ms, grep, x)",
                "callsign count  (ms, grep, x)", "peak RSS");
    // Growing logs: the peak memory must not follow the file size.
    for (const int lines : {full / 4, full / 2, full}) {
        writeLog(log, lines);
        const double mb = double(QFile(log).size()) / 1e6;
        int grepToday = 0;
        int grepCount = 0;
        const double gToday = grepMs(date, log, &grepToday);
        const double gCount = grepMs(callsign, log, &grepCount);

        TodaysFlightsWindow& today = console.todaysFlightsWindow();
        const double tToday = timeMs([&] { console.todaysFlights().testit(); });
        const int shown = today.Label2.caption().section(QLatin1Char(' '), 0, 0).toInt();

        MainWindow& w = console.mainWindow();
        const double tCount = timeMs([&] {
            w.Text7[0].setText(QStringLiteral("such") + callsign + QStringLiteral("."));
            console.callsignHistory().getaircraft();
        });
        const int counted = w.Text11[0].text().section(QLatin1Char('='), 1).trimmed().toInt();

        std::printf("%9d %8.1f | %7.1f %7.1f %5.2fx %s | %7.1f %7.1f %5.2fx %s | %6ld kB\n", lines,
                    mb, tToday, gToday, tToday / gToday, shown == grepToday ? "   " : "!! ", tCount,
                    gCount, tCount / gCount, counted == grepCount ? "   " : "!! ", peakRssKb());
        if (shown != grepToday || counted != grepCount) {
            std::printf("  counts differ: today %d vs grep %d, callsign %d vs grep %d\n", shown,
                        grepToday, counted, grepCount);
        }
    }
    std::printf("median of %d runs each, warm file cache; grep -c -F includes its process start\n",
                kRuns);
    return 0;
}
