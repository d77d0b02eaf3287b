// The help's name and meaning turned round, the unit left out: the reader hears what the box is first.
#include "legend_description.h"

namespace ui {

QString legendDescription(std::string_view help)
{
    const QString text = QString::fromUtf8(help);
    const qsizetype colon = text.indexOf(u'：');
    const QString meaning = text.mid(colon + 1).section(u'（', 0, 0);
    return QStringLiteral("%1 %2，图例中已标出").arg(meaning, text.left(colon));
}

}  // namespace ui
