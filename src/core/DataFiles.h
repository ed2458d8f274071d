#pragma once

#include "platform/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vellaro {

// Lines of a text: CR LF, a lone CR or a lone LF ends a line; a line end after
// the last line does not start another one.
QStringList splitLines(const QString& text);

// The data folder and the file operations every feature uses. Every call opens,
// reads or writes, and closes the file within itself.
class DataFiles {
  public:
    enum class Status { Ok, Missing, Failed };
    struct ReadResult {
        Status status = Status::Failed;
        QStringList lines;
        bool ok() const { return status == Status::Ok; }
        bool missing() const { return status == Status::Missing; }
    };

    explicit DataFiles(QString dir);

    const QString& dir() const { return dir_; }
    QString path(const QString& name) const;

    ReadResult readLines(const QString& name) const;
    // Reads a file at any place (the ATC client's macro file), same rules.
    static ReadResult readLinesAt(const QString& path);
    // Writes the whole file anew, every line ended by CR LF. All or nothing: a write
    // that cannot complete (full disk, quota, I/O error) leaves the old file as it
    // was, no temporary file behind, and returns false.
    bool replaceFile(const QString& name, const QStringList& lines) const;
    // Appends lines ended by CR LF, creating the file when it does not exist. A file
    // whose last line lacks its line end gets one first, so lines never run together.
    // False when not every byte was written; the file is then cut back to its old
    // size where that is possible.
    bool appendLines(const QString& name, const QStringList& lines) const;
    bool exists(const QString& name) const;

    // A locked folder: every write fails. Used where permissions cannot express it
    // (a run as the superuser ignores them).
    void setWriteProtected(bool on) { writeProtected_ = on; }
    bool writeProtected() const { return writeProtected_; }

  private:
    QString dir_;
    bool writeProtected_ = false;
};

} // namespace vellaro
