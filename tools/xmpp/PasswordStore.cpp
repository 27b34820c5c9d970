#include "PasswordStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

const QString Service = u"verbalink-xmpp"_s;

// The jobs answer through the event loop; the caller waits for that one answer.
bool finish(QKeychain::Job& job, QString& error)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return true;
    error = job.error() == QKeychain::NoBackendAvailable || job.error() == QKeychain::AccessDenied
                ? u"no secret store is running (%1)"_s.arg(job.errorString())
                : job.errorString();
    return false;
}

} // namespace

bool PasswordStore::read(const QString& jid, QString& password, QString& error)
{
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(jid);
    if (!finish(job, error))
        return false;
    password = job.textData();
    return !password.isEmpty();
}

bool PasswordStore::write(const QString& jid, const QString& password, QString& error)
{
    QKeychain::WritePasswordJob job(Service);
    job.setKey(jid);
    job.setTextData(password);
    return finish(job, error);
}

} // namespace verbalink::xmpp
