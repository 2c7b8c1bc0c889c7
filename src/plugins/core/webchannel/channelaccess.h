// SPDX-License-Identifier: MIT
#ifndef CHANNELACCESS_H
#define CHANNELACCESS_H

#include "core_export.h"

#include <QByteArray>
#include <QObject>
#include <QUrl>

/*!
    This run's secret for the web channel server. Every account on the machine can reach the
    loopback port, so a client must present the secret ("?token=...") in the address it opens.
    The application hands it to its own pages with the port; a local tool of the same user reads
    the whole address from the file channelFile() in the user's private folder, which exists
    while the server runs.
*/
class CORE_EXPORT ChannelAccess : public QObject
{
    Q_OBJECT
public:
    ChannelAccess(quint16 port, QObject* parent = nullptr);
    ~ChannelAccess() override;

    QByteArray token() const { return m_token; }
    /*! "ws://127.0.0.1:<port>/?token=<secret>". */
    QUrl url() const;
    /*! The file that holds url(); empty when the private folder could not be used. */
    QString channelFile() const { return m_file; }

    /*! True when the address carries this secret; compared in constant time. */
    static bool hasToken(const QUrl& requestUrl, const QByteArray& token);

private:
    quint16 m_port;
    QByteArray m_token;
    QString m_file;
};

#endif
