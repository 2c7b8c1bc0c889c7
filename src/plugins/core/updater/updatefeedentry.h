// SPDX-License-Identifier: MIT
#ifndef UPDATEFEEDENTRY_H
#define UPDATEFEEDENTRY_H

#include "core_export.h"

#include <QCoreApplication>
#include <QString>

class QJsonDocument;

/*!
    One platform's entry of an update feed, and the texts shown for it. Everything here comes
    from the network: texts taken from it are cut and cleaned before anyone sees them, and an
    entry that could hand the user a file nobody can check is refused.
*/
class CORE_EXPORT UpdateFeedEntry
{
    Q_DECLARE_TR_FUNCTIONS(UpdateFeedEntry)
public:
    QString latestVersion;
    QString openUrl;
    QString downloadUrl;
    QString changelog;
    QString sha256;

    /*! The entry under "updates" / \a platform; empty fields where the feed has none. */
    static UpdateFeedEntry fromFeed(const QJsonDocument& feed, const QString& platform);

    /*!
        Why this entry may not be offered, or an empty string when it may: it must name a web
        page to open (http or https), or a download from a secure address (see
        UpdateTransfer::isSecureAddress) with its SHA-256 digest.
    */
    QString refusal() const;

    /*! 64 hexadecimal digits, either case. */
    static bool isSha256(const QString& digest);
    /*! A feed's text as a message may show it: one line, no control characters, cut. */
    static QString shownText(const QString& text, int maximum);
    static QString shownVersion(const QString& version) { return shownText(version, 32); }
    static QString shownAddress(const QString& address) { return shownText(address, 120); }
};

#endif
