#include "translate/text/TextEdits.h"

#include <limits>
#include <optional>
#include <vector>

namespace verbalink {

namespace {

void trimAll(QString& text, QChar c)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == c)
        --end;
    qsizetype begin = 0;
    while (begin < end && text.at(begin) == c)
        ++begin;
    text.truncate(end);
    text.remove(0, begin);
}

// failure[k]: length of the longest proper border of pattern[0..k].
std::vector<qsizetype> failureTable(QStringView pattern)
{
    std::vector<qsizetype> failure(pattern.size(), 0);
    qsizetype k = 0;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k])
            k = failure[k - 1];
        if (pattern[i] == pattern[k])
            ++k;
        failure[i] = k;
    }
    return failure;
}

// The restart rule in one pass. The text is read as `out` followed by the unread input; `out`
// never contains the pattern, so the first occurrence is the first one to end, and it ends at
// the character just moved to `out`. Its replacement goes back in front of the unread input,
// where it can meet what follows and, through the matcher state kept for every character of
// `out`, what precedes. Gives nullopt once more than `budget` characters have been moved.
std::optional<QString> rewrite(QStringView text, QStringView pattern, QStringView replacement,
                               qsizetype budget)
{
    const qsizetype m = pattern.size();
    const std::vector<qsizetype> failure = failureTable(pattern);
    QString out;
    out.reserve(text.size());
    std::vector<qsizetype> states{0}; // matched pattern length after each character of out
    states.reserve(text.size() + 1);
    std::vector<QChar> pending; // replacement characters still to read, the next one last
    qsizetype next = 0;
    for (qsizetype moved = 0; !pending.empty() || next < text.size(); ++moved) {
        if (moved >= budget)
            return std::nullopt;
        QChar c;
        if (pending.empty()) {
            c = text[next++];
        } else {
            c = pending.back();
            pending.pop_back();
        }
        qsizetype state = states.back();
        while (state > 0 && pattern[state] != c)
            state = failure[state - 1];
        if (pattern[state] == c)
            ++state;
        out.append(c);
        states.push_back(state);
        if (state == m) {
            out.chop(m);
            states.resize(states.size() - m);
            pending.insert(pending.end(), replacement.rbegin(), replacement.rend());
        }
    }
    return out;
}

} // namespace

void trimSpaces(QString& text)
{
    trimAll(text, QChar(u' '));
}

void trimNewlines(QString& text)
{
    trimAll(text, QChar(u'\n'));
}

void replaceAll(QString& text, QStringView pattern, QStringView replacement)
{
    if (pattern.isEmpty() || !text.contains(pattern))
        return;
    const qsizetype n = text.size();
    // A shorter replacement shrinks the text at every step, so the rule ends by itself; the
    // budget only bounds a rewrite that might not (and never does when the replacement holds
    // the pattern: each step then leaves an occurrence behind).
    const bool shrinks = replacement.size() < pattern.size();
    if (!shrinks && replacement.contains(pattern)) {
        text.replace(pattern.toString(), replacement.toString());
        return;
    }
    const qsizetype budget =
        shrinks ? std::numeric_limits<qsizetype>::max() : 4 * (n + replacement.size()) + 64;
    if (std::optional<QString> result = rewrite(text, pattern, replacement, budget)) {
        text = *result;
        return;
    }
    text.replace(pattern.toString(), replacement.toString());
}

} // namespace verbalink
