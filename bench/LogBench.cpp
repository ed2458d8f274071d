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
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// grep -c of a fixed text, timed as a shell's `time` would: from the start of the
// process to its end, output into a pipe (grep stops at the first line when it sees
// /dev/null). No event loop or helper thread of ours lies in between.
double grepMs(const QString& key, const QString& path, int* count) {
    const QByteArray k = key.toLocal8Bit();
    const QByteArray f = QFile::encodeName(path);
    char* const args[] = {const_cast<char*>("grep"),        const_cast<char*>("-c"),
                          const_cast<char*>("-F"),          const_cast<char*>(k.constData()),
                          const_cast<char*>(f.constData()), nullptr};
    return timeMs([&] {
        int out[2];
        if (pipe(out) != 0) {
            std::perror("pipe");
            std::exit(1);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        pid_t pid = 0;
        if (posix_spawnp(&pid, "grep", &actions, nullptr, args, environ) != 0) {
            std::perror("grep");
            std::exit(1);
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        int status = 0;
        waitpid(pid, &status, 0);
        char text[32] = {};
        const ssize_t n = read(out[0], text, sizeof text - 1);
        close(out[0]);
        *count = n > 0 ? std::atoi(text) : -1;
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
    // One in 1800 lines holds it.
    const QString callsign = QStringLiteral("DLH100");
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
        // Typed as the controller types it; the command empties the box again.
        const double tCount = timeMs(
            [&] { w.Text7[0].setText(QStringLiteral("such") + callsign + QStringLiteral(".")); });
        const int counted = w.Text11[0].text().section(QLatin1Char('='), 1).trimmed().toInt();

        std::printf("%9d %8.1f | %7.1f %7.1f %5.2fx %s | %7.1f %7.1f %5.2fx %s | %6ld kB\n", lines,
                    mb, tToday, gToday, tToday / gToday, shown == grepToday ? "   " : "!! ", tCount,
                    gCount, tCount / gCount, counted == grepCount ? "   " : "!! ", peakRssKb());
        if (shown != grepToday || counted != grepCount) {
            std::printf("  counts differ: today %d vs grep %d, callsign %d vs grep %d\n", shown,
                        grepToday, counted, grepCount);
        }
    }
    std::printf("median of %d runs each, warm file cache; grep -c -F timed from its start to "
                "its end\n",
                kRuns);
    return 0;
}
