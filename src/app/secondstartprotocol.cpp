// SPDX-License-Identifier: MIT
#include "secondstartprotocol.h"

#include <extensionsystem/privatefolder.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace SecondStartProtocol {

namespace {
const quint32 marker = 0x5a4e5553; // "ZNUS"
const int headerSize = 8;
const int secretSize = 32;

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}
} // namespace

QByteArray frame(const QByteArray& payload)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << marker << quint32(payload.size());
    return bytes + payload;
}

FrameState takeFrame(QIODevice* device, QByteArray* payload)
{
    const QByteArray header = device->peek(headerSize);
    if (header.size() < headerSize)
        return FrameState::Incomplete;
    QDataStream in(header);
    quint32 mark = 0;
    quint32 size = 0;
    in >> mark >> size;
    if (mark != marker || size > quint32(maxPayload))
        return FrameState::Invalid;
    if (device->bytesAvailable() < headerSize + qint64(size))
        return FrameState::Incomplete;
    device->skip(headerSize);
    *payload = device->read(size);
    return FrameState::Complete;
}

QByteArray secret(const QString& folder, QString* errorString)
{
    const QString path = QDir(folder).filePath(QStringLiteral("second-start.key"));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(secretSize + 1);
        if (bytes.size() == secretSize)
            return bytes;
    }
    const QByteArray fresh = randomBytes(secretSize);
    if (!ExtensionSystem::PrivateFolder::writePrivateFile(path, fresh, errorString))
        return QByteArray();
    return fresh;
}

QByteArray challenge()
{
    return randomBytes(challengeSize);
}

QByteArray answer(const QByteArray& secret, const QByteArray& role, const QByteArray& challenge)
{
    return QMessageAuthenticationCode::hash(role + challenge, secret, QCryptographicHash::Sha256);
}

QByteArray encodeCall(const QString& workingDirectory, const QStringList& arguments)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << workingDirectory << quint32(arguments.size());
    for (const QString& argument : arguments)
        out << argument;
    return bytes;
}

bool decodeCall(const QByteArray& payload, QString* workingDirectory, QStringList* arguments)
{
    QDataStream in(payload);
    quint32 count = 0;
    in >> *workingDirectory >> count;
    // QDataStream would reserve room for the announced count before reading a single entry.
    if (in.status() != QDataStream::Ok || count > maxArguments)
        return false;
    arguments->clear();
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString argument;
        in >> argument;
        arguments->append(argument);
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace SecondStartProtocol
