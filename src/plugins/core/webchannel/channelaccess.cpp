// SPDX-License-Identifier: MIT
#include "channelaccess.h"

#include <extensionsystem/privatefolder.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QUrlQuery>

Q_LOGGING_CATEGORY(lcChannelAccess, "zenub.webchannel.access")

namespace {
const int tokenWords = 6; // 192 bits
}

ChannelAccess::ChannelAccess(quint16 port, QObject* parent)
    : QObject(parent)
    , m_port(port)
{
    QByteArray random(tokenWords * 4, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(random.data()), tokenWords);
    m_token = random.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);

    QString error;
    const QString folder = ExtensionSystem::PrivateFolder::path(&error);
    const QString file =
        folder.isEmpty()
            ? QString()
            : QDir(folder).filePath(
                  QStringLiteral("channel-%1.url").arg(QCoreApplication::applicationPid()));
    if (!file.isEmpty() &&
        ExtensionSystem::PrivateFolder::writePrivateFile(file, url().toEncoded() + '\n', &error))
        m_file = file;
    else
        qCWarning(lcChannelAccess).noquote() << "Local tools cannot find the web channel:" << error;
}

ChannelAccess::~ChannelAccess()
{
    if (!m_file.isEmpty())
        QFile::remove(m_file);
}

QUrl ChannelAccess::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_port);
    url.setPath(QStringLiteral("/"));
    url.setQuery(QStringLiteral("token=") + QString::fromLatin1(m_token));
    return url;
}

bool ChannelAccess::hasToken(const QUrl& requestUrl, const QByteArray& token)
{
    const QByteArray given = QUrlQuery(requestUrl)
                                 .queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded)
                                 .toLatin1();
    if (token.isEmpty() || given.size() != token.size())
        return false;
    // Constant time, so that the answer's timing tells nothing about the secret.
    int difference = 0;
    for (int i = 0; i < token.size(); ++i)
        difference |= given.at(i) ^ token.at(i);
    return difference == 0;
}
