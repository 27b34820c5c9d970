#include "TaggingTranslator.h"

namespace verbalink::gateway {

TaggingTranslator::TaggingTranslator(QList<QByteArray> languages)
    : m_languages(std::move(languages))
{}

TextTranslator::Outcome TaggingTranslator::translate(const QString& text, QByteArrayView from,
                                                     QByteArrayView to)
{
    if (!m_languages.contains(from.toByteArray()) || !m_languages.contains(to.toByteArray()))
        return {Result::Unsupported, {}};
    return {Result::Translated,
            u'[' + QString::fromLatin1(from) + u'>' + QString::fromLatin1(to) + u"] " + text};
}

} // namespace verbalink::gateway
