#include "httpfixture.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    default:
        return status >= 300 && status < 400 ? "Redirect" : "Status";
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
        respond(socket, missing);
    } else {
        respond(socket, *route);
    }
}

void HttpFixture::respond(QTcpSocket* socket, const Route& route)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' +
                      reasonPhrase(route.status) + "\r\nConnection: close\r\n";
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    if (!route.contentType.isEmpty())
        head += "Content-Type: " + route.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n";
    socket->write(head);

    socket->write(route.body);
    socket->disconnectFromHost();
}
