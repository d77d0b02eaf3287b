// The file's bytes go to and from the core's CSV text unchanged, except a GBK file's, which go to
// it as UTF-8; the checks on what the path names and the messages are made here.
#include "takeoff_disk.h"

#include "gbk_text.h"
#include "system_error_text.h"
#include "takeoff_columns.h"

#include "wallcalc/calculators.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

namespace ui {

namespace {

// Generous for a hundred thousand rows of a dozen cells; a larger file is no take-off.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

void say(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::vector<std::string> headingsOf(const wallcalc::Calculator& calculator)
{
    std::vector<std::string> headings;
    for (const QString& heading : takeoffColumns(calculator).inputHeadings) {
        headings.push_back(heading.toStdString());
    }
    return headings;
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decode() decodes only when its result is taken as a QString; the errors are counted then.
    static_cast<void>(QString(decoder.decode(bytes)));
    return !decoder.hasError();
}

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

}  // namespace

std::optional<TakeoffFile> readTakeoffFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists()) {
        say(error, QStringLiteral("找不到“%1”。").arg(shownPath(path)));
        return std::nullopt;
    }
    if (!info.isFile()) {
        say(error, QStringLiteral("“%1”不是普通文件，不能作为逐桩计算文件打开。").arg(shownPath(path)));
        return std::nullopt;
    }
    if (info.size() > kMaxFileBytes) {
        say(error, QStringLiteral("“%1”有 %2 MB，太大了，不是逐桩计算文件（最多 %3 MB）。")
                       .arg(name)
                       .arg(info.size() / (1024 * 1024))
                       .arg(kMaxFileBytes / (1024 * 1024)));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(error, QStringLiteral("打不开“%1”：%2").arg(shownPath(path), systemErrorInChinese(file.errorString())));
        return std::nullopt;
    }
    // The size checked above may have grown since; never more than the limit is read.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) {
        say(error, QStringLiteral("“%1”太大了，不是逐桩计算文件。").arg(name));
        return std::nullopt;
    }
    // A file in neither goes to the core as it is, which names the first byte that is no UTF-8.
    std::optional<QByteArray> gbk;
    if (!isUtf8(bytes)) {
        gbk = utf8FromGb18030(bytes);
    }
    const QByteArray& text = gbk ? *gbk : bytes;
    auto read = wallcalc::ReadTakeoff(std::string_view(text.constData(), std::size_t(text.size())), headingsOf);
    if (auto* fault = std::get_if<wallcalc::FileError>(&read)) {
        const QString where = fault->column == 0 ? QStringLiteral("第 %1 行").arg(fault->line)
                                                 : QStringLiteral("第 %1 行第 %2 列").arg(fault->line).arg(fault->column);
        say(error, QStringLiteral("“%1”读不了，%2：%3").arg(name, where, QString::fromStdString(fault->what)));
        return std::nullopt;
    }
    return TakeoffFile{std::get<wallcalc::Takeoff>(std::move(read)), digestOf(bytes), gbk.has_value()};
}

std::optional<QByteArray> writeTakeoffFile(const QString& path, const wallcalc::Takeoff& takeoff,
                                           const QStringList& header, QString* error)
{
    std::vector<std::string> headings;
    for (const QString& heading : header) {
        headings.push_back(heading.toStdString());
    }
    const std::string text = wallcalc::WriteTakeoff(takeoff, headings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        say(error, QStringLiteral("没有保存成功：“%1”：%2").arg(shownPath(path), systemErrorInChinese(file.errorString())));
        return std::nullopt;
    }
    return digestOf(QByteArray(text.data(), qsizetype(text.size())));
}

QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return digestOf(file.read(kMaxFileBytes + 1));
}

}  // namespace ui
