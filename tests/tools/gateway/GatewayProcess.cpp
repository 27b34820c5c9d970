#include "GatewayProcess.h"

#include <QFile>

namespace verbalink::testing {

GatewayProcess::~GatewayProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool GatewayProcess::start(QString& error, const QStringList& arguments)
{
    m_process.setStandardErrorFile(m_folder.filePath(QStringLiteral("gateway.log")));
    m_process.start(QStringLiteral(GATEWAY_EXECUTABLE),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0")} + arguments);
    if (!m_process.waitForStarted(10000)) {
        error = QStringLiteral("gateway did not start: ") + m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000)) {
            error = QStringLiteral("gateway never said it was listening: ") + log();
            return false;
        }
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("listening 127.0.0.1:")) {
        error = QStringLiteral("unexpected first line: ") + QString::fromUtf8(line);
        return false;
    }
    m_hostPort = line.mid(10);
    return true;
}

QString GatewayProcess::log()
{
    QFile file(m_folder.filePath(QStringLiteral("gateway.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace verbalink::testing
