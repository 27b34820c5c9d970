#include "gateway/LanguageDetector.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;

TEST(LanguageDetector, TellsTheInstalledLanguagesApartAndNothingElse)
{
    const QList<QByteArray> installed{"eng", "spa", "cat", "epo", "glg"};
    struct Case {
        QString text;
        QList<QByteArray> candidates;
        QByteArray expected;
    };
    const Case cases[] = {
        {u"Hello, how are you?"_s, installed, "eng"},
        {u"¿Dónde está la biblioteca?"_s, installed, "spa"},
        {u"Bon dia, com estàs?"_s, installed, "cat"},
        // Esperanto is only in CLD2's larger tables: this fails if they are not linked.
        {u"La hundo manĝas la pomon kaj mi estas feliĉa."_s, installed, "epo"},
        // A language with no installed pair is no answer, however sure CLD2 is.
        {u"Der Hund ist groß und die Katze ist klein."_s, installed, ""},
        {u"Der Hund ist groß und die Katze ist klein."_s, {"deu", "eng"}, "deu"},
        {u"Hello, how are you?"_s, {"spa"}, ""},
        {u""_s, installed, ""},
        {u"12345 !!! ..."_s, installed, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(LanguageDetector::detect(c.text, c.candidates), c.expected);
    }
}

} // namespace
} // namespace verbalink::gateway
