// SPDX-License-Identifier: MIT
#ifndef HTTPFIXTURE_H
#define HTTPFIXTURE_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

/*!
    A small HTTP/1.1 server on 127.0.0.1 for tests. Each path answers with a fixed body, a
    redirect, a chunked body or a body that stops after a number of bytes until released. Every
    request is recorded with its headers (names in lower case). Each connection serves one
    request and is closed.
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
    /*! Sends the body with chunked transfer encoding, \a chunkSize bytes per chunk. */
    void serveChunked(const QByteArray& path, const QByteArray& body, int chunkSize);
    /*!
        Announces the whole body's length but sends only its first \a holdAfter bytes until
        release() is called for the path. With \a chunked, the length is not announced.
    */
    void serveHeld(const QByteArray& path, const QByteArray& body, int holdAfter,
                   bool chunked = false);
    void release(const QByteArray& path);
    /*! Like serve(), but answers "Range: bytes=N-" with 206 and the rest of the body. */
    void serveRanges(const QByteArray& path, const QByteArray& body);

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
        int chunkSize = 0;
        int holdAfter = -1;
        bool ranges = false;
    };
    struct Held
    {
        QPointer<QTcpSocket> socket;
        QByteArray rest;
        bool chunked = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, Route route, const QByteArray& path,
                 const QByteArray& range = QByteArray());
    static QByteArray chunk(const QByteArray& data);

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QHash<QByteArray, QList<Held>> m_held;
    QList<Request> m_requests;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

#endif
