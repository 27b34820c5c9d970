#include "XmlStanzas.h"

#include <gloox/parser.h>
#include <gloox/taghandler.h>

namespace verbalink::xmpp::test {

namespace {

class Collector : public gloox::TagHandler {
public:
    void handleTag(gloox::Tag* tag) override { tags.emplace_back(tag->clone()); }

    std::vector<std::unique_ptr<gloox::Tag>> tags;
};

} // namespace

std::vector<std::unique_ptr<gloox::Tag>> parseStanzas(QByteArrayView xml)
{
    Collector collector;
    gloox::Parser parser(&collector);
    std::string data(xml.data(), size_t(xml.size()));
    parser.feed(data);
    return std::move(collector.tags);
}

std::unique_ptr<gloox::Tag> parseStanza(const QString& xml)
{
    std::vector<std::unique_ptr<gloox::Tag>> tags = parseStanzas(xml.toUtf8());
    return tags.size() == 1 ? std::move(tags.front()) : nullptr;
}

} // namespace verbalink::xmpp::test
