#pragma once
// The calculation file (.cfcalc): a record as JSON in UTF-8, written atomically, read with every check
// of a file that is not one (too large, binary, not JSON, a newer format, a record of the wrong shape).
// The layout is described in docs/calculation-file.md.

#include <QByteArray>
#include <QString>

#include "records/record.h"

namespace cf::records::qt {

inline constexpr int format_version = 1;
inline constexpr qint64 largest_file = 1024 * 1024;  // bytes

QByteArray to_json(const Record& record);

struct Reading {
    Record record;
    QString message;  // empty when the record was read
};
// The record a file's content holds, or the French message of what is wrong and where.
Reading from_json(const QByteArray& content);

// Writes the file through a temporary file renamed over it at the end: a save that fails leaves the
// earlier file as it was. Returns "" or the message.
QString write_file(const QString& path, const QByteArray& content);
Reading read_file(const QString& path);

}  // namespace cf::records::qt
