#pragma once

#include "core/DataFiles.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace vellaro {

// Upper case character by character, so a text keeps its length ("ß" stays one letter).
QString upperKeepingLength(const QString& s);

// Reads a file once, front to back, in pieces of fixed size, and hands every line
// that contains the key (case-sensitive, anywhere in the line) to found, without
// its line end. CR LF, a lone CR or a lone LF ends a line. An empty key is found in
// every line that is not empty. Memory does not grow with the file: only the piece
// being searched and one unfinished line are held.
//
// Missing when the file is not there, Failed when it cannot be opened or a read
// fails part way (the lines found before the failure have been handed over).
DataFiles::Status scanLines(const QString& path, const QString& key,
                            const std::function<void(QByteArrayView line)>& found);

} // namespace vellaro
