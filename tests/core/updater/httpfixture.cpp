// SPDX-License-Identifier: MIT
#include "httpfixture.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 206:
        return "Partial Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

HttpFixture::HttpFixture(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpFixture::onNewConnection);
}

bool HttpFixture::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl HttpFixture::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void HttpFixture::serve(const QByteArray& path, const QByteArray& body, int status,
                        const QByteArray& contentType)
{
    Route route;
    route.status = status;
    route.body = body;
    route.contentType = contentType;
    m_routes.insert(path, route);
}

void HttpFixture::redirect(const QByteArray& path, const QByteArray& location, int status)
{
    Route route;
    route.status = status;
    route.location = location;
    m_routes.insert(path, route);
}

void HttpFixture::serveChunked(const QByteArray& path, const QByteArray& body, int chunkSize)
{
    Route route;
    route.body = body;
    route.contentType = "application/octet-stream";
    route.chunkSize = chunkSize;
    m_routes.insert(path, route);
}

void HttpFixture::serveHeld(const QByteArray& path, const QByteArray& body, int holdAfter,
                            bool chunked)
{
    Route route;
    route.body = body;
    route.contentType = "application/octet-stream";
    route.holdAfter = holdAfter;
    route.chunkSize = chunked ? body.size() : 0;
    m_routes.insert(path, route);
}

void HttpFixture::release(const QByteArray& path)
{
    const QList<Held> held = m_held.take(path);
    for (const Held& entry : held) {
        if (!entry.socket)
            continue;
        if (entry.chunked)
            entry.socket->write((entry.rest.isEmpty() ? QByteArray() : chunk(entry.rest)) +
                                chunk(QByteArray()));
        else
            entry.socket->write(entry.rest);
        entry.socket->disconnectFromHost();
    }
}

void HttpFixture::serveRanges(const QByteArray& path, const QByteArray& body)
{
    serve(path, body);
    m_routes[path].ranges = true;
}

int HttpFixture::requestCount(const QByteArray& path) const
{
    int count = 0;
    for (const Request& request : m_requests) {
        if (request.path == path)
            ++count;
    }
    return count;
}

void HttpFixture::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
    }
}

void HttpFixture::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
        }
    }
    m_requests.append(request);
    emit requestReceived(request.path);

    const auto route = m_routes.constFind(request.path);
    if (route == m_routes.constEnd()) {
        Route missing;
        missing.status = 404;
        missing.body = "not found";
        missing.contentType = "text/plain";
        respond(socket, missing, request.path);
    } else {
        respond(socket, *route, request.path, request.headers.value("range"));
    }
}

void HttpFixture::respond(QTcpSocket* socket, Route route, const QByteArray& path,
                          const QByteArray& range)
{
    QByteArray contentRange;
    if (route.ranges && range.startsWith("bytes=") && range.endsWith('-')) {
        const int first = range.mid(6, range.size() - 7).toInt();
        contentRange = "Content-Range: bytes " + QByteArray::number(first) + '-' +
                       QByteArray::number(route.body.size() - 1) + '/' +
                       QByteArray::number(route.body.size()) + "\r\n";
        route.status = 206;
        route.body = route.body.mid(first);
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' +
                      reasonPhrase(route.status) + "\r\nConnection: close\r\n" + contentRange;
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    if (!route.contentType.isEmpty())
        head += "Content-Type: " + route.contentType + "\r\n";
    const bool chunked = route.chunkSize > 0;
    if (chunked)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    head += "\r\n";
    socket->write(head);

    QByteArray body = route.body;
    if (route.holdAfter >= 0) {
        const QByteArray first = body.left(route.holdAfter);
        // An empty chunk would end a chunked body early.
        if (!first.isEmpty())
            socket->write(chunked ? chunk(first) : first);
        m_held[path].append({QPointer<QTcpSocket>(socket), body.mid(route.holdAfter), chunked});
        return;
    }
    if (chunked) {
        for (int i = 0; i < body.size(); i += route.chunkSize)
            socket->write(chunk(body.mid(i, route.chunkSize)));
        socket->write(chunk(QByteArray()));
    } else {
        socket->write(body);
    }
    socket->disconnectFromHost();
}

QByteArray HttpFixture::chunk(const QByteArray& data)
{
    return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
}
