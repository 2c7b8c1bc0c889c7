#ifndef HTTPFIXTURE_H
#define HTTPFIXTURE_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

/*!
    A small HTTP/1.1 server on 127.0.0.1 for tests. Each path answers with a fixed body or a
    redirect. Every request is recorded with its headers (names in lower case). Each connection
    serves one request and is closed.
*/
class HttpFixture : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;
    };

    explicit HttpFixture(QObject* parent = nullptr);

    bool listen();
    QUrl url(const QString& path) const;

    void serve(const QByteArray& path, const QByteArray& body, int status = 200,
               const QByteArray& contentType = "application/octet-stream");
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302);

    QList<Request> requests() const { return m_requests; }
    int requestCount(const QByteArray& path) const;

signals:
    void requestReceived(const QByteArray& path);

private:
    struct Route
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType;
        QByteArray location;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Route& route);

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QList<Request> m_requests;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

#endif
