// GB18030 through Qt's converters, which have it wherever Qt is built with ICU (as Debian's is).
#include "gbk_text.h"

#include <QStringDecoder>

namespace ui {

std::optional<QByteArray> utf8FromGb18030(QByteArrayView bytes)
{
    QStringDecoder decoder("GB18030", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text.toUtf8();
}

}  // namespace ui
