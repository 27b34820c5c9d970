// Writes settings in a loop from a separate process, for the tests of concurrent and interrupted
// writes: settings_writer FILE PREFIX COUNT (COUNT 0 = until killed).

#include "platform/SettingsFile.h"

#include <cstdio>

using namespace verbalink;

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    SettingsFile file(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    // A large value makes each write take long enough to be interrupted in the middle.
    const QString filler(20000, u'x');
    for (int i = 0; count == 0 || i < count; ++i) {
        const bool ok = file.update([&](SettingsDocument& doc) {
            doc.setValue(QStringLiteral("Software\\Verbalink"), prefix + QString::number(i),
                         count == 0 ? filler + QString::number(i) : QString::number(i));
            return true;
        });
        if (!ok)
            return 1;
        if (i == 0 && count == 0) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
    return 0;
}
