#include "PasswordStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

const QString Service = u"verbalink-xmpp"_s;

// The jobs answer through the event loop; the caller waits for that one answer.
PasswordStore::Outcome finish(QKeychain::Job& job, QString& error)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    switch (job.error()) {
    case QKeychain::NoError:
        return PasswordStore::Outcome::Done;
    case QKeychain::EntryNotFound:
        return PasswordStore::Outcome::Missing;
    case QKeychain::NoBackendAvailable:
    case QKeychain::AccessDenied:
        error = u"no secret store is running (%1)"_s.arg(job.errorString());
        return PasswordStore::Outcome::Unavailable;
    default:
        error = job.errorString();
        return PasswordStore::Outcome::Failed;
    }
}

} // namespace

PasswordStore::Outcome PasswordStore::read(const QString& jid, QString& password, QString& error)
{
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(jid);
    const Outcome outcome = finish(job, error);
    if (outcome != Outcome::Done)
        return outcome;
    password = job.textData();
    return password.isEmpty() ? Outcome::Missing : Outcome::Done;
}

PasswordStore::Outcome PasswordStore::write(const QString& jid, const QString& password,
                                            QString& error)
{
    QKeychain::WritePasswordJob job(Service);
    job.setKey(jid);
    job.setTextData(password);
    return finish(job, error);
}

} // namespace verbalink::xmpp
