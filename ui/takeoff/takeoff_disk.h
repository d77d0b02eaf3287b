// A take-off's file on disk: only a regular file of a sensible size is read, whole or not at all;
// it is written through a temporary file; failures are named as the system names them, in Chinese.
#pragma once

#include "wallcalc/takeoff_csv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace ui {

struct TakeoffFile {
    wallcalc::Takeoff takeoff;
    QByteArray digest;  // of the bytes read, to tell later whether another program changed the file
    bool readAsGbk = false;  // not UTF-8, read as GBK (GB18030) as Chinese spreadsheets save CSV
};

// Nothing, with what is wrong in Chinese (naming the line and column), when the file cannot be read.
// A file that is not UTF-8 but GBK is read as GBK; it is written back as UTF-8.
std::optional<TakeoffFile> readTakeoffFile(const QString& path, QString* error);

// The digest of what was written; nothing, with what went wrong, when it failed, which leaves the
// old file as it was.
std::optional<QByteArray> writeTakeoffFile(const QString& path, const wallcalc::Takeoff& takeoff,
                                           const QStringList& header, QString* error);

// The digest of the file as it is on disk now; empty when it cannot be read.
QByteArray fileDigest(const QString& path);

}  // namespace ui
