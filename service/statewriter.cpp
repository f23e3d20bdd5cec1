#include "statewriter.h"

#include "pagestore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace websb {

namespace {

// A state file is a few hundred bytes; anything far larger is not ours.
constexpr qint64 MaxStateFileSize = 64 * 1024;

} // namespace

StateWriter::StateWriter(
    const PageStore &store, const QString &folder, std::chrono::milliseconds gap)
    : m_store(store)
    , m_folder(folder)
    , m_gap(gap)
    , m_thread([this] { run(); })
{
}

StateWriter::~StateWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

QString StateWriter::fileFor(const QString &folder, const std::string &page)
{
    return QDir(folder).filePath(QString::fromStdString(page) + QStringLiteral(".json"));
}

void StateWriter::schedule(const std::string &page, bool urgent)
{
    {
        std::lock_guard lock(m_mutex);
        Clock::time_point due = Clock::now();
        const auto written = m_written.find(page);
        if (!urgent && written != m_written.end()) {
            due = std::max(due, written->second + m_gap);
        }
        const auto [pending, added] = m_pending.emplace(page, due);
        if (!added) {
            pending->second = std::min(pending->second, due);
        }
    }
    m_wake.notify_one();
}

void StateWriter::flush()
{
    std::unique_lock lock(m_mutex);
    ++m_flushing;
    m_wake.notify_one();
    m_idle.wait(lock, [this] { return m_pending.empty() && !m_writing; });
    --m_flushing;
}

void StateWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_pending.empty()) {
            m_idle.notify_all();
            if (m_stopping) {
                return;
            }
            m_wake.wait(lock);
            continue;
        }
        const bool everything = m_stopping || m_flushing > 0;
        const Clock::time_point now = Clock::now();
        std::vector<std::string> due;
        Clock::time_point next = Clock::time_point::max();
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            if (everything || it->second <= now) {
                due.push_back(it->first);
                it = m_pending.erase(it);
            } else {
                next = std::min(next, it->second);
                ++it;
            }
        }
        if (due.empty()) {
            m_wake.wait_until(lock, next);
            continue;
        }
        m_writing = true;
        lock.unlock();
        for (const std::string &page : due) {
            write(page);
        }
        lock.lock();
        m_writing = false;
        for (const std::string &page : due) {
            m_written[page] = now;
        }
    }
}

void StateWriter::write(const std::string &page) const
{
    const QString path = fileFor(m_folder, page);
    QSaveFile file(path);
    const QByteArray json = QByteArray::fromStdString(pageJson(page, m_store.state(page)));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        qWarning().noquote()
            << QStringLiteral("varnelo-websb: cannot save %1: %2").arg(path, file.errorString());
    }
}

QStringList restorePages(PageStore &store, const QString &folder)
{
    QStringList problems;
    for (const std::string &page : store.pages()) {
        const QString path = StateWriter::fileFor(folder, page);
        QFile file(path);
        if (!file.exists()) {
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            problems << QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            continue;
        }
        if (file.size() > MaxStateFileSize) {
            problems << QStringLiteral("ignored %1: too large to be a page's state").arg(path);
            continue;
        }
        PageState state;
        QString error;
        if (!pageStateFromJson(file.readAll(), page, state, error)) {
            problems << QStringLiteral("ignored %1: %2").arg(path, error);
            continue;
        }
        store.restore(page, state);
    }
    return problems;
}

} // namespace websb
