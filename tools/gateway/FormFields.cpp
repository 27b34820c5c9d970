#include "gateway/FormFields.h"

#include <QList>

namespace verbalink::gateway::FormFields {

namespace {

// The value of "name=value" when the piece has that name.
std::optional<QByteArrayView> valueOf(QByteArrayView piece, QByteArrayView name)
{
    if (!piece.startsWith(name) || piece.size() == name.size() || piece[name.size()] != '=')
        return std::nullopt;
    return piece.sliced(name.size() + 1);
}

} // namespace

std::optional<QByteArray> formValue(QByteArrayView fields, QByteArrayView name)
{
    qsizetype from = 0;
    while (from <= fields.size()) {
        qsizetype end = fields.indexOf('&', from);
        if (end < 0)
            end = fields.size();
        if (const std::optional<QByteArrayView> value =
                valueOf(fields.sliced(from, end - from), name)) {
            QByteArray decoded = value->toByteArray();
            decoded.replace('+', ' ');
            return QByteArray::fromPercentEncoding(decoded);
        }
        from = end + 1;
    }
    return std::nullopt;
}

std::optional<QByteArray> cookieValue(QByteArrayView cookies, QByteArrayView name)
{
    const QList<QByteArray> pieces = cookies.toByteArray().split(';');
    for (const QByteArray& piece : pieces) {
        if (const std::optional<QByteArrayView> value =
                valueOf(QByteArrayView(piece).trimmed(), name))
            return value->trimmed().toByteArray();
    }
    return std::nullopt;
}

} // namespace verbalink::gateway::FormFields
