#include "flightlog/LogScan.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace vellaro {

namespace {

constexpr qsizetype kPiece = qsizetype(1) << 20;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Finds the key in a stretch of whole lines. CR and LF each end a line: the empty
// piece between the two of a CR LF pair holds no key, so it never counts.
class Searcher {
  public:
    Searcher(const QByteArray& key, const std::function<void(QByteArrayView)>& found)
        : key_(key.constData(), std::size_t(key.size())), search_(key_.begin(), key_.end()),
          found_(found) {}

    void lines(const char* begin, const char* end) const {
        if (key_.empty()) {
            everyLine(begin, end);
            return;
        }
        const char* floor = begin; // nothing before it can belong to a line still to come
        const char* from = begin;
        while (from < end) {
            const char* hit = std::search(from, end, search_);
            if (hit == end) {
                return;
            }
            const char* start = hit;
            while (start > floor && !isLineEnd(start[-1])) {
                --start;
            }
            const char* stop = hit + key_.size();
            while (stop < end && !isLineEnd(*stop)) {
                ++stop;
            }
            found_(QByteArrayView(start, stop - start));
            floor = stop;
            from = stop;
        }
    }

  private:
    void everyLine(const char* begin, const char* end) const {
        const char* start = begin;
        for (const char* p = begin; p <= end; ++p) {
            if (p == end || isLineEnd(*p)) {
                if (p > start) {
                    found_(QByteArrayView(start, p - start));
                }
                start = p + 1;
            }
        }
    }

    std::string_view key_;
    std::boyer_moore_horspool_searcher<std::string_view::const_iterator> search_;
    const std::function<void(QByteArrayView)>& found_;
};

} // namespace

QString upperKeepingLength(const QString& s) {
    QString out = s;
    for (QChar& ch : out) {
        ch = ch.toUpper();
    }
    return out;
}

DataFiles::Status scanLines(const QString& path, const QString& key,
                            const std::function<void(QByteArrayView line)>& found) {
    using Status = DataFiles::Status;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return Status::Missing;
    }
    QFile f(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return Status::Failed;
    }
    const QByteArray bytes = toWindows1252(key);
    // A key the code page cannot hold, or one spanning a line end, is in no line.
    if (fromWindows1252(bytes) != key || bytes.contains('\r') || bytes.contains('\n')) {
        return Status::Ok;
    }
    const Searcher searcher(bytes, found);

    std::vector<char> buf(static_cast<std::size_t>(kPiece));
    qsizetype held = 0; // an unfinished line carried over from the last piece
    for (;;) {
        if (buf.size() - std::size_t(held) < std::size_t(kPiece)) {
            buf.resize(std::size_t(held + kPiece)); // a line longer than a piece
        }
        const qint64 n = f.read(buf.data() + held, kPiece);
        if (n < 0) {
            return Status::Failed;
        }
        const char* begin = buf.data();
        const char* end = begin + held + n;
        if (n == 0) {
            searcher.lines(begin, end); // the last line may lack its end
            return Status::Ok;
        }
        const char* cut = end;
        while (cut > begin && !isLineEnd(cut[-1])) {
            --cut;
        }
        if (cut > begin) {
            searcher.lines(begin, cut);
        }
        held = end - cut;
        std::memmove(buf.data(), cut, std::size_t(held));
    }
}

} // namespace vellaro
