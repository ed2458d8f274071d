#include "flightlog/LogScan.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace vellaro {

namespace {

// Small enough that a piece is still in the processor's cache when it is searched.
constexpr qsizetype kPiece = qsizetype(1) << 17;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Sixteen bytes compared at once; the compiler turns this into the processor's
// vector instructions where it has them.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);

Lanes broadcast(char c) {
    Lanes v;
    for (std::size_t i = 0; i < kLanes; ++i) {
        v[i] = static_cast<unsigned char>(c);
    }
    return v;
}

Lanes load(const char* p) {
    Lanes v;
    std::memcpy(&v, p, kLanes);
    return v;
}

// Finds the key in a stretch of whole lines. Two of the key's bytes, those rarest
// in the file's first piece, are looked for sixteen positions at a time; only where
// both stand is the whole key compared. Going byte by byte took four times as long
// as grep. CR and LF each end a line: the empty piece between the two of a CR LF
// pair holds no key, so it never counts.
class Searcher {
  public:
    Searcher(const QByteArray& key, const std::function<void(QByteArrayView)>& found)
        : key_(key.constData(), std::size_t(key.size())), found_(found) {}

    // Picks the two bytes to look for by how often each occurs in sample.
    void learn(const char* begin, const char* end) {
        if (key_.empty()) {
            return;
        }
        std::array<std::size_t, 256> seen{};
        for (const char* p = begin; p < end; ++p) {
            ++seen[static_cast<unsigned char>(*p)];
        }
        auto rarer = [&](std::size_t i, std::size_t j) {
            return seen[static_cast<unsigned char>(key_[i])] <
                   seen[static_cast<unsigned char>(key_[j])];
        };
        first_ = 0;
        for (std::size_t i = 1; i < key_.size(); ++i) {
            if (rarer(i, first_)) {
                first_ = i;
            }
        }
        second_ = first_;
        for (std::size_t i = 0; i < key_.size(); ++i) {
            if (i != first_ && (second_ == first_ || rarer(i, second_))) {
                second_ = i;
            }
        }
    }

    void lines(const char* begin, const char* end) const {
        if (key_.empty()) {
            everyLine(begin, end);
            return;
        }
        const char* floor = begin; // nothing before it can belong to a line still to come
        const char* from = begin;
        while (from < end) {
            const char* hit = find(from, end);
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
    bool matchesAt(const char* p) const { return std::memcmp(p, key_.data(), key_.size()) == 0; }

    // The first place at or after from where the key begins, or end.
    const char* find(const char* from, const char* end) const {
        const std::size_t k = key_.size();
        if (std::size_t(end - from) < k) {
            return end;
        }
        const char* const last = end - k; // the last place the key can begin
        const Lanes a = broadcast(key_[first_]);
        const Lanes b = broadcast(key_[second_]);
        const char* p = from;
        // Both loads of sixteen stay inside the stretch: first_ and second_ are below k.
        for (; last - p >= qsizetype(kLanes) - 1; p += kLanes) {
            const Lanes both = (load(p + first_) == a) & (load(p + second_) == b);
            std::array<std::uint64_t, 2> half{};
            std::memcpy(half.data(), &both, sizeof half);
            if ((half[0] | half[1]) == 0) {
                continue;
            }
            for (std::size_t i = 0; i < kLanes; ++i) {
                if (both[i] != 0 && matchesAt(p + i)) {
                    return p + i;
                }
            }
        }
        for (; p <= last; ++p) {
            if (matchesAt(p)) {
                return p;
            }
        }
        return end;
    }

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
    std::size_t first_ = 0;
    std::size_t second_ = 0;
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
    Searcher searcher(bytes, found);

    std::vector<char> buf(static_cast<std::size_t>(kPiece));
    qsizetype held = 0; // an unfinished line carried over from the last piece
    bool first = true;
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
        if (first) {
            searcher.learn(begin, end);
            first = false;
        }
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
