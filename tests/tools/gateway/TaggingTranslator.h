#pragma once

#include "gateway/TextTranslator.h"

namespace verbalink::gateway {

// A translator for tests of everything around the translation: "[eng>spa] text" between the
// languages it knows, Unsupported for any other.
class TaggingTranslator final : public TextTranslator {
public:
    explicit TaggingTranslator(QList<QByteArray> languages = {"eng", "spa", "cat"});

    Outcome translate(const QString& text, QByteArrayView from, QByteArrayView to) override;
    QList<QByteArray> languages() const override { return m_languages; }

private:
    QList<QByteArray> m_languages;
};

} // namespace verbalink::gateway
