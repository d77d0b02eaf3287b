// The file's bytes go to and from the core's CSV text unchanged; only the messages are made here.
#include "takeoff_io.h"

#include "takeoff_columns.h"
#include "wallcalc/takeoff_types.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace ui {

namespace {

void say(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
}

}  // namespace

std::optional<wallcalc::Takeoff> readTakeoffFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(error, QStringLiteral("打不开“%1”：%2").arg(QFileInfo(path).fileName(), file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    std::vector<std::vector<std::string>> headings(wallcalc::TakeoffTypes.size());
    for (std::size_t t = 0; t < headings.size(); ++t) {
        for (const QString& heading : takeoffColumns(int(t)).inputHeadings) {
            headings[t].push_back(heading.toStdString());
        }
    }
    auto read = wallcalc::ReadTakeoff(std::string_view(bytes.constData(), std::size_t(bytes.size())), headings);
    if (auto* fault = std::get_if<wallcalc::FileError>(&read)) {
        const QString where = fault->column == 0 ? QStringLiteral("第 %1 行").arg(fault->line)
                                                 : QStringLiteral("第 %1 行第 %2 列").arg(fault->line).arg(fault->column);
        say(error, QStringLiteral("“%1”读不了，%2：%3").arg(QFileInfo(path).fileName(), where,
                                                          QString::fromStdString(fault->what)));
        return std::nullopt;
    }
    return std::get<wallcalc::Takeoff>(std::move(read));
}

bool writeTakeoffFile(const QString& path, const wallcalc::Takeoff& takeoff, const QStringList& header, QString* error)
{
    std::vector<std::string> headings;
    for (const QString& heading : header) {
        headings.push_back(heading.toStdString());
    }
    const std::string text = wallcalc::WriteTakeoff(takeoff, headings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        say(error, QStringLiteral("没有保存成功：“%1”：%2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace ui
