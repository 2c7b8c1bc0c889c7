// SPDX-License-Identifier: MIT
#ifndef WELCOMECALLQUEUE_H
#define WELCOMECALLQUEUE_H

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

/*!
    Runs what a page asks for over the web channel later, from the event loop, one request at
    a time. A request may open a modal box, and a box runs its own event loop in which the
    transport goes on reading; were the request run at once, every further message would open
    a box inside the last one until the stack ran out. Here a request that arrives while
    another runs only waits; one equal to a waiting or running request (a repeat of the same
    report) is folded into it; and the queue is bounded, so a flooding page cannot grow it.
*/
class WelcomeCallQueue : public QObject
{
    Q_OBJECT
public:
    /*! Requests beyond this many waiting ones are dropped. */
    static constexpr int maximumWaiting = 16;

    explicit WelcomeCallQueue(QObject* parent = nullptr);

    /*! Runs \a call later; \a key names the request, so repeats can be recognised. */
    void post(const QString& key, std::function<void()> call);
    int waiting() const { return m_waiting.size(); }

private:
    struct Request
    {
        QString key;
        std::function<void()> call;
    };
    void schedule();
    void runNext();

    QList<Request> m_waiting;
    QString m_runningKey;
    bool m_running = false;
    bool m_scheduled = false;
    int m_dropped = 0;
};

#endif
