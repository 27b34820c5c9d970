#include "audio/RecordingWriter.h"

#include <QFile>

namespace verbalink {

RecordingWriter::RecordingWriter(std::function<void(const QString&)> log, qsizetype maxWaiting)
    : m_log(std::move(log)), m_maxWaiting(maxWaiting), m_thread([this] { run(); })
{}

RecordingWriter::~RecordingWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_queued.notify_one();
    m_thread.join();
}

void RecordingWriter::open(const QString& path, int channels)
{
    {
        std::lock_guard lock(m_mutex);
        m_unfinished.append(path);
        m_lostSamples = false;
        m_jobs.push_back({Job::Kind::Open, path, {}, channels});
    }
    m_queued.notify_one();
}

void RecordingWriter::append(QByteArrayView samples)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_waitingBytes + samples.size() > m_maxWaiting) {
            m_lostSamples = true;
            return;
        }
        m_waitingBytes += samples.size();
        m_jobs.push_back({Job::Kind::Append, {}, samples.toByteArray()});
    }
    m_queued.notify_one();
}

void RecordingWriter::finish(const QString& finalPath)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back({Job::Kind::Finish, finalPath, {}, 1, m_lostSamples});
        m_lostSamples = false;
    }
    m_queued.notify_one();
}

void RecordingWriter::waitUntilWritten()
{
    std::unique_lock lock(m_mutex);
    m_written.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

QStringList RecordingWriter::unfinished() const
{
    std::lock_guard lock(m_mutex);
    return m_unfinished;
}

void RecordingWriter::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_queued.wait(lock, [this] { return !m_jobs.empty() || m_stopping; });
        if (m_jobs.empty())
            return;
        const Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        perform(job);
        lock.lock();
        m_busy = false;
        m_waitingBytes -= job.samples.size();
        // Recordings are finished in the order they were opened.
        if (job.kind == Job::Kind::Finish && !m_unfinished.isEmpty())
            m_unfinished.removeFirst();
        m_written.notify_all();
    }
}

void RecordingWriter::perform(const Job& job)
{
    switch (job.kind) {
    case Job::Kind::Open:
        if (!m_file.open(job.path, job.channels))
            log(QStringLiteral("Cannot create the recording ") + job.path);
        return;
    case Job::Kind::Append:
        // Without a file the audio is consumed unwritten.
        m_file.append(job.samples.constData(), job.samples.size());
        return;
    case Job::Kind::Finish:
        complete(job);
        return;
    }
}

void RecordingWriter::complete(const Job& job)
{
    if (!m_file.isOpen())
        return;
    const QString temporary = m_file.path();
    if (!m_file.finish() || job.lostSamples)
        log(QStringLiteral("The recording ") + temporary + QStringLiteral(" is incomplete"));
    // A failed rename leaves the recording under its number.
    QFile::rename(temporary, job.path);
}

void RecordingWriter::log(const QString& line) const
{
    if (m_log)
        m_log(line);
}

} // namespace verbalink
