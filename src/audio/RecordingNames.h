#pragma once

#include <QDateTime>
#include <QString>

namespace verbalink {

// The names of call recordings: the folder they go to, the number-only name a recording has
// while it is written, and the name it gets when it is done.
namespace recordingnames {

inline constexpr char16_t FolderName[] = u"Skype Voice Records";

// The partner's display name without the nine characters a file name cannot carry: the pieces
// between them joined with "." ("A/B:C" gives "A.B.C").
QString sanitizedPartner(const QString& displayName);
QString folder(const QString& documentsFolder);
QString temporaryPath(const QString& folder, qint64 epochSeconds);
// "REC - partner ( dd-mm-yyyy HHh MMm SSs).wav" in the folder, at that local time.
QString finalPath(const QString& folder, const QString& partner, const QDateTime& localTime);

} // namespace recordingnames

} // namespace verbalink
