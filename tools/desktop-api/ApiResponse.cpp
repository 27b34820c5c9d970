#include "ApiResponse.h"

namespace verbalink::desktopapi {

ApiResponse answer(const QString& reply)
{
    ApiResponse response;
    response.reply = reply;
    return response;
}

std::pair<QString, QString> firstWord(const QString& text)
{
    const qsizetype space = text.indexOf(u' ');
    if (space < 0)
        return {text, {}};
    return {text.left(space), text.mid(space + 1)};
}

} // namespace verbalink::desktopapi
