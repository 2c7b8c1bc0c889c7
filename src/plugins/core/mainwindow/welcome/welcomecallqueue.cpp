// SPDX-License-Identifier: MIT
#include "welcomecallqueue.h"

#include <QDebug>
#include <QMetaObject>
#include <QPointer>

WelcomeCallQueue::WelcomeCallQueue(QObject* parent)
    : QObject(parent)
{}

void WelcomeCallQueue::post(const QString& key, std::function<void()> call)
{
    if (m_running && key == m_runningKey)
        return;
    for (const Request& request : qAsConst(m_waiting))
        if (request.key == key)
            return;
    if (m_waiting.size() >= maximumWaiting) {
        // Said once per flood, not once per message.
        if (m_dropped++ == 0)
            qWarning("The welcome page sends more requests than can be answered; dropping some.");
        return;
    }
    m_waiting.append({key, std::move(call)});
    schedule();
}

void WelcomeCallQueue::schedule()
{
    if (m_scheduled || m_running || m_waiting.isEmpty())
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &WelcomeCallQueue::runNext, Qt::QueuedConnection);
}

void WelcomeCallQueue::runNext()
{
    m_scheduled = false;
    if (m_running || m_waiting.isEmpty())
        return;
    const Request request = m_waiting.takeFirst();
    m_running = true;
    m_runningKey = request.key;
    // The window may go while the request's box is open.
    const QPointer<WelcomeCallQueue> self(this);
    request.call();
    if (!self)
        return;
    m_running = false;
    m_runningKey.clear();
    if (m_waiting.isEmpty())
        m_dropped = 0;
    schedule();
}
