// SPDX-License-Identifier: MIT
#ifndef UPDATECHECK_H
#define UPDATECHECK_H

#include "core_export.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

class MainWindow;

/*!
    Runs the application's update checks through the UpdateRegistry against the feed address
    of the settings. A check the user asks for shows the updater's own answers (the no-update
    box, the release notes, the download with progress and the installer prompt); the
    automatic check at start, at most once a day, reports a found update on the notification
    bar and otherwise stays silent.

    Settings (user scope): "Zenub/Updates.FeedUrl" (the feed, defaultFeedUrl() when missing),
    "Zenub/Updates.CheckAtStart" (bool, default true), "Zenub/Updates.LastCheck" (date and time
    of the last automatic or requested check, UTC).
*/
class CORE_EXPORT UpdateCheck : public QObject
{
    Q_OBJECT
public:
    explicit UpdateCheck(MainWindow* window);

    static QString feedUrlKey() { return QStringLiteral("Zenub/Updates.FeedUrl"); }
    static QString checkAtStartKey() { return QStringLiteral("Zenub/Updates.CheckAtStart"); }
    static QString lastCheckKey() { return QStringLiteral("Zenub/Updates.LastCheck"); }
    static QString defaultFeedUrl()
    {
        return QStringLiteral("https://updates.zenub-animate.org/appcast.json");
    }
    static QString feedUrl();
    /*! The feed's entry for this system: "linux", "windows" or "macos". */
    static QString platformKey();
    /*!
        Whether an automatic check is due at \a now after one at \a last: a day or more since,
        never before, or a last check in the future (a clock set back).
    */
    static bool isDue(const QDateTime& last, const QDateTime& now);

    /*! Asks the feed now and answers with dialogs. */
    void checkNow();
    /*! Checks in the background after \a delayMs when the user allows it and a check is due. */
    void scheduleAutomaticCheck(int delayMs);

private:
    void runCheck(bool bInteractive);
    void onCheckingFinished();

    MainWindow* m_pWindow;
    QTimer m_startTimer;
    QString m_pendingUrl;
    bool m_bAutomaticPending = false;
    bool m_bOffered = false; // the notification bar shows our offer
};

#endif
