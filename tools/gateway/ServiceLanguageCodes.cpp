#include "gateway/ServiceLanguageCodes.h"

#include "gateway/LanguageCodes.h"

namespace verbalink::gateway::ServiceLanguageCodes {

namespace {

using LanguageCodes::CodeName;

// Babylon's language numbers ("344" is Castilian).
constexpr CodeName BabylonNumbers[] = {
    {"0", "eng"},   {"1", "fra"},  {"2", "ita"},  {"3", "spa"},  {"4", "nld"},  {"5", "por"},
    {"6", "deu"},   {"7", "rus"},  {"8", "jpn"},  {"9", "zho"},  {"10", "zho"}, {"11", "ell"},
    {"12", "kor"},  {"13", "tur"}, {"14", "heb"}, {"15", "ara"}, {"16", "tha"}, {"24", "ukr"},
    {"29", "pol"},  {"30", "hun"}, {"31", "ces"}, {"39", "urd"}, {"43", "dan"}, {"46", "nob"},
    {"47", "ron"},  {"48", "swe"}, {"51", "fas"}, {"60", "hin"}, {"61", "som"}, {"99", "cat"},
    {"344", "spa"},
};

// Promt's letters; "a" lets the service detect the source.
constexpr CodeName PromtLetters[] = {
    {"e", "eng"}, {"s", "spa"}, {"i", "ita"}, {"g", "deu"},
    {"p", "por"}, {"r", "rus"}, {"f", "fra"},
};

QByteArray language(Service service, QByteArrayView code)
{
    switch (service) {
    case Service::Babylon:
        return LanguageCodes::lookUp(BabylonNumbers, code);
    case Service::Promt:
        return LanguageCodes::lookUp(PromtLetters, code);
    default:
        return LanguageCodes::toThreeLetters(code);
    }
}

bool asksForDetection(Service service, QByteArrayView code)
{
    switch (service) {
    case Service::Google:
        // The engine sends "auto" for a source of one character or none.
        return code.size() <= 1 || code == "auto";
    case Service::GoogleDetecting:
    case Service::Bing:
        return code.isEmpty() || code == "auto";
    case Service::Promt:
        return code == "a";
    default:
        return false;
    }
}

} // namespace

RequestedLanguage source(Service service, QByteArrayView code)
{
    if (asksForDetection(service, code))
        return {true, {}};
    return {false, language(service, code)};
}

RequestedLanguage target(Service service, QByteArrayView code)
{
    return {false, language(service, code)};
}

} // namespace verbalink::gateway::ServiceLanguageCodes
