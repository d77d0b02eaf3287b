// The words of the checks' flags.
#include "check_words.h"

#include "reading_mark.h"

#include "wallcalc/takeoff_checks.h"

namespace ui {

QString checkWords(const wallcalc::CheckFlag& flag, const QString& typed, const QString& area)
{
    const QString read = QString::fromStdString(flag.read);
    switch (flag.kind) {
    case wallcalc::CheckKind::ReadsOtherwise:
        return readingReason(typed);
    case wallcalc::CheckKind::BatterOfOneOrMore:
        return QStringLiteral("坡率按比值填写：1:0.25 填 0.25");
    case wallcalc::CheckKind::Empty:
        return QStringLiteral("空格按 0 计算");
    case wallcalc::CheckKind::FarFromNeighbours:
        return QStringLiteral("读作 %1，与前后几个桩号的同一尺寸相差五倍以上，请核对").arg(read);
    case wallcalc::CheckKind::NegativeArea:
        return QStringLiteral("%1为 %2，小于 0：断面尺寸不成形，请核对").arg(area, read);
    case wallcalc::CheckKind::CrossingOutline:
        break;
    }
    return QStringLiteral("%1的轮廓自相交：断面尺寸不成形，请核对").arg(area);
}

}  // namespace ui
