#include "translate/text/CodePage.h"

#include <QSysInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <limits>
#include <utility>

namespace verbalink {

namespace {

constexpr const char* nativeUtf16 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";

struct NamedEncoding {
    const char* declared;
    int number;
    const char* charset; // nullptr: glibc has no converter
};

constexpr std::array<NamedEncoding, 19> namedEncodings{{
    {"UTF-8", 65001, "UTF-8"},
    {"ISO8859-1", 28591, "ISO-8859-1"},
    {"ISO8859-2", 28592, "ISO-8859-2"},
    {"ISO8859-3", 28593, "ISO-8859-3"},
    {"ISO8859-4", 28594, "ISO-8859-4"},
    {"ISO8859-5", 28595, "ISO-8859-5"},
    {"ISO8859-6", 28596, "ISO-8859-6"},
    {"ISO8859-7", 28597, "ISO-8859-7"},
    {"ISO8859-8", 28598, "ISO-8859-8"},
    {"ISO8859-9", 28599, "ISO-8859-9"},
    {"ISO8859-10", 865, "ISO-8859-10"},
    {"ISO8859-13", 1257, "ISO-8859-13"},
    {"ISO8859-14", 28605, "ISO-8859-14"},
    {"ISO8859-15", 28605, "ISO-8859-15"},
    {"KOI8-R", 20866, "KOI8-R"},
    {"KOI8-U", 21866, "KOI8-U"},
    {"microsoft-cp1251", 1251, "CP1251"},
    {"windows-1251", 1251, "CP1251"},
    {"ISCII-DEVANAGARI", 57002, nullptr},
}};

const char* charsetOfNumber(int number)
{
    if (number >= 28591 && number <= 28599) {
        static constexpr std::array<const char*, 9> latin{"ISO-8859-1", "ISO-8859-2", "ISO-8859-3",
                                                          "ISO-8859-4", "ISO-8859-5", "ISO-8859-6",
                                                          "ISO-8859-7", "ISO-8859-8", "ISO-8859-9"};
        return latin[number - 28591];
    }
    switch (number) {
    case CodePage::SystemAnsi:
    case CodePage::Utf8:
        return "UTF-8";
    case 28605:
        return "ISO-8859-15";
    case 865:
        return "IBM865";
    case 1257:
        return "CP1257";
    case 1251:
        return "CP1251";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    default:
        return nullptr;
    }
}

// One iconv conversion descriptor, closed with its owner.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (isOpen())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool isOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// What to write for input iconv rejects, and how many input bytes to skip over.
struct Substitution {
    QByteArrayView bytes;
    qsizetype skip;
};

// Runs `cd` over all of `input` into at most `limit` bytes; nullopt when the output does not
// fit. Rejected input is replaced through `substitute` and the conversion goes on after it.
template <typename Substitute>
std::optional<QByteArray> convert(iconv_t cd, QByteArrayView input, qsizetype limit,
                                  Substitute substitute)
{
    // Start near the likely size and grow up to the limit, so that a generous limit costs
    // nothing for short text.
    QByteArray out(std::min(limit, 2 * input.size() + 16), Qt::Uninitialized);
    qsizetype written = 0;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = static_cast<size_t>(input.size());
    bool inputDone = false;
    for (;;) {
        char* outPtr = out.data() + written;
        size_t outLeft = static_cast<size_t>(out.size() - written);
        // Once the input is used up, a last call writes any closing shift sequence.
        const size_t result = inputDone ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                        : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        written = outPtr - out.data();
        if (result != static_cast<size_t>(-1)) {
            if (inputDone)
                break;
            inputDone = true;
            continue;
        }
        if (error == E2BIG) {
            if (out.size() >= limit)
                return std::nullopt;
            out.resize(std::min(limit, std::max<qsizetype>(2 * out.size(), 16)));
            continue;
        }
        if ((error != EILSEQ && error != EINVAL) || inputDone || inLeft == 0)
            return std::nullopt;
        const Substitution sub = substitute(QByteArrayView(in, static_cast<qsizetype>(inLeft)));
        const qsizetype needed = written + sub.bytes.size();
        if (needed > limit)
            return std::nullopt;
        if (needed > out.size())
            out.resize(std::min(limit, std::max(2 * out.size(), needed)));
        std::copy(sub.bytes.begin(), sub.bytes.end(), out.data() + written);
        written = needed;
        const size_t skip = std::clamp<size_t>(static_cast<size_t>(sub.skip), 1, inLeft);
        in += skip;
        inLeft -= skip;
    }
    out.truncate(written);
    return out;
}

} // namespace

CodePage::CodePage(int number) : m_number(number), m_charset(charsetOfNumber(number)) {}

CodePage::CodePage(int number, QByteArray charset) : m_number(number), m_charset(std::move(charset))
{}

std::optional<CodePage> CodePage::fromEncodingName(QAnyStringView name)
{
    for (const NamedEncoding& encoding : namedEncodings) {
        if (QAnyStringView::compare(name, QLatin1StringView(encoding.declared),
                                    Qt::CaseInsensitive) == 0)
            return CodePage(encoding.number, QByteArray(encoding.charset));
    }
    return std::nullopt;
}

std::optional<QByteArray> CodePage::encode(QStringView text, qsizetype capacity) const
{
    if (m_charset.isEmpty() || capacity <= 0)
        return std::nullopt;
    IconvHandle cd(m_charset.constData(), nativeUtf16);
    if (!cd.isOpen())
        return std::nullopt;
    const QByteArrayView input(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return convert(cd.get(), input, capacity - 1, [](QByteArrayView rest) {
        // Skip the whole character: both halves of a surrogate pair, or one lone unit.
        const auto unit = [&rest](qsizetype i) {
            char16_t u;
            std::memcpy(&u, rest.data() + 2 * i, 2);
            return QChar(u);
        };
        const bool pair = rest.size() >= 4 && unit(0).isHighSurrogate() && unit(1).isLowSurrogate();
        return Substitution{QByteArrayView("?"), pair ? 4 : std::min<qsizetype>(2, rest.size())};
    });
}

std::optional<QString> CodePage::decode(QByteArrayView bytes, qsizetype capacity) const
{
    if (m_charset.isEmpty() || capacity < 0)
        return std::nullopt;
    IconvHandle cd(nativeUtf16, m_charset.constData());
    if (!cd.isOpen())
        return std::nullopt;
    static constexpr qsizetype maxUnits = std::numeric_limits<qsizetype>::max() / 2;
    static constexpr char16_t replacement = QChar::ReplacementCharacter;
    const QByteArrayView replacementBytes(reinterpret_cast<const char*>(&replacement), 2);
    const std::optional<QByteArray> units = convert(
        cd.get(), bytes, std::min(capacity, maxUnits) * 2, [&replacementBytes](QByteArrayView) {
            return Substitution{replacementBytes, 1};
        });
    if (!units)
        return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(units->constData()), units->size() / 2);
}

} // namespace verbalink
