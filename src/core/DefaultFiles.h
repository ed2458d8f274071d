#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vellaro {

class DataFiles;

// A data file that the console writes with built-in lines when it is missing.
struct DefaultFile {
    QString name;
    QStringList lines;
    // Shown once the file was written whole: "Es wurde die Datei ... erstellt. ..."
    QString createdMessage;
};

struct DefaultFileRead {
    enum class Outcome {
        Read,       // the file was there; lines holds it
        Created,    // it was missing and is now written and announced
        NotCreated, // it was missing and could not be written (locked folder, full disk)
        Unreadable  // it is there but cannot be read
    };
    Outcome outcome = Outcome::Unreadable;
    QStringList lines;
    bool read() const { return outcome == Outcome::Read; }
    // Missing, whether or not it could be written now.
    bool wasMissing() const {
        return outcome == Outcome::Created || outcome == Outcome::NotCreated;
    }
};

// Reads a file that has built-in lines. A missing file is written with them and the
// message handed to announce; the creation is announced only when the write succeeded.
DefaultFileRead readOrCreate(const DataFiles& files, const DefaultFile& file,
                             const std::function<void(const QString&)>& announce);

} // namespace vellaro
