// A take-off's file on disk: read whole or not at all, written through a temporary file.
#pragma once

#include "wallcalc/takeoff_file.h"

#include <QString>

#include <optional>

namespace ui {

// Nothing, with what is wrong in Chinese (naming the line and column), when the file cannot be read.
std::optional<wallcalc::Takeoff> readTakeoffFile(const QString& path, QString* error);

// A failure leaves the old file as it was.
bool writeTakeoffFile(const QString& path, const wallcalc::Takeoff& takeoff, const QStringList& header, QString* error);

}  // namespace ui
