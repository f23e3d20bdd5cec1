#include "refusallog.h"

#include "config.h"

#include <QDateTime>
#include <QDebug>

namespace websb {

void RefusalLog::note(
    const std::string &page, const std::string &address, const std::string &reason)
{
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    std::lock_guard lock(m_mutex);
    if (second != m_second) {
        if (m_dropped > 0) {
            qWarning().noquote()
                << QStringLiteral("varnelo-websb: %1 more refusals not shown").arg(m_dropped);
        }
        m_second = second;
        m_shown = 0;
        m_dropped = 0;
    }
    if (++m_shown > LinesPerSecond) {
        ++m_dropped;
        return;
    }
    const QString name = QString::fromStdString(page);
    qWarning().noquote() << QStringLiteral("varnelo-websb: refused an update of %1 from %2: %3")
                                .arg(isValidPageName(name) ? name : QStringLiteral("(bad name)"),
                                    QString::fromStdString(address),
                                    QString::fromStdString(reason));
}

} // namespace websb
