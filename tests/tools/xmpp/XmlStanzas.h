#pragma once

#include <QByteArrayView>
#include <QString>
#include <gloox/tag.h>
#include <memory>
#include <vector>

namespace verbalink::xmpp::test {

// The top-level elements of an XML text as gloox's parser reads them from a stream, so tests
// and the fuzz driver hand the client the same tags the network would; a syntax error ends the
// list where it happened.
std::vector<std::unique_ptr<gloox::Tag>> parseStanzas(QByteArrayView xml);
// The single element of a text that holds one.
std::unique_ptr<gloox::Tag> parseStanza(const QString& xml);

} // namespace verbalink::xmpp::test
