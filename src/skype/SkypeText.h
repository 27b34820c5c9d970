#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// Small text helpers for the chat client's notification lines. Every helper is linear in the
// length of its input.
namespace verbalink::skypetext {

// The first word of a line (up to the first space) and the text after that space.
struct KindAndArgument {
    QStringView kind;
    QStringView argument;
};
KindAndArgument splitKind(QStringView line);

// Tokens separated by any of comma, space and tab; empty tokens are dropped. With a limit,
// scanning stops after that many tokens.
QList<QStringView> tokens(QStringView text, qsizetype limit = -1);

// The text between the first `open` and the first `close` of `text`; empty when either is
// missing or the close comes before the end of the open.
QStringView textBetween(QStringView text, QStringView open, QStringView close);

// Everything after the first `anchor` found at or after `from`; empty when there is none.
QStringView textAfter(QStringView text, QStringView anchor, qsizetype from = 0);

// A signed 32-bit decimal number, or nothing.
std::optional<qint32> toInt32(QStringView token);

// Where a token taken from `text` starts in it.
qsizetype offsetIn(QStringView text, QStringView token);

} // namespace verbalink::skypetext
