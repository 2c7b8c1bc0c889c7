// SPDX-License-Identifier: MIT
#include "channelclient.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

namespace {
enum MessageType {
    Signal = 1,
    Init = 3,
    Idle = 4,
    InvokeMethod = 6,
    ConnectToSignal = 7,
    Response = 10
};
} // namespace

ChannelClient::ChannelClient(const QUrl& url)
{
    connect(&m_socket, &QWebSocket::textMessageReceived, this, &ChannelClient::receive);
    QSignalSpy connected(&m_socket, &QWebSocket::connected);
    m_socket.open(url);
    connected.wait(5000);
}

void ChannelClient::receive(const QString& text)
{
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    const int type = message.value("type").toInt();
    if (type == Response) {
        m_responses.insert(message.value("id").toInt(), message);
    } else if (type == Signal) {
        const QString object = message.value("object").toString();
        const int index = message.value("signal").toInt();
        m_signals << m_signalIndex.value(object).key(index).section(QLatin1Char('('), 0, 0);
    }
}

QJsonObject ChannelClient::request(QJsonObject message)
{
    const int id = m_nextId++;
    message.insert("id", id);
    m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson()));
    // A slot may open a modal box; its answerer closes it, then the response comes.
    for (int waited = 0; !m_responses.contains(id) && waited < 10000; waited += 10)
        QTest::qWait(10);
    return m_responses.take(id);
}

bool ChannelClient::init()
{
    const QJsonObject objects = request({{"type", Init}}).value("data").toObject();
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        const QJsonObject description = object.value().toObject();
        for (const QJsonValue& method : description.value("methods").toArray())
            m_methods[object.key()].insert(method[0].toString(), method[1].toInt());
        for (const QJsonValue& signal : description.value("signals").toArray())
            m_signalIndex[object.key()].insert(signal[0].toString(), signal[1].toInt());
    }
    m_socket.sendTextMessage(
        QString::fromUtf8(QJsonDocument(QJsonObject{{"type", Idle}}).toJson()));
    return !objects.isEmpty();
}

QStringList ChannelClient::methodNames(const QString& object) const
{
    return m_methods.value(object).keys();
}

QJsonValue ChannelClient::invoke(const QString& object, const QString& method,
                                 const QJsonArray& arguments)
{
    return request({{"type", InvokeMethod},
                    {"object", object},
                    {"method", m_methods.value(object).value(method, -1)},
                    {"args", arguments}})
        .value("data");
}

void ChannelClient::connectToSignal(const QString& object, const QString& signal)
{
    const QJsonObject message{{"type", ConnectToSignal},
                              {"object", object},
                              {"signal", m_signalIndex.value(object).value(signal, -1)}};
    m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson()));
}
