#pragma once
// A tiny HTTP server on a free loopback port, run by the test's own event loop: the fetch under test
// keeps that loop turning while it waits, so the server answers from the same thread.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ornavo::net::testing {

class LoopbackServer {
public:
    // Called once a whole request (head and any Content-Length body) has arrived.
    using Handler = std::function<void(QTcpSocket* client, const QByteArray& request)>;

    LoopbackServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                QObject::connect(client, &QIODevice::readyRead, [this, client] { take(client); });
            }
        });
    }

    quint16 port() const { return server_.serverPort(); }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(port()); }

    // Answers every request with these bytes and closes the connection.
    void replyWith(const QByteArray& response) {
        handler = [response](QTcpSocket* client, const QByteArray&) {
            client->write(response);
            client->disconnectFromHost();
        };
    }
    // Answers with a 200 response carrying the body and its Content-Length.
    void replyBody(const QByteArray& body) {
        replyWith("HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    }
    // Sends the response in pieces of `pieceBytes`, one every `intervalMs`, then closes.
    void trickle(const QByteArray& response, int pieceBytes, int intervalMs) {
        handler = [=](QTcpSocket* client, const QByteArray&) {
            auto timer = new QTimer(client);
            auto sent = std::make_shared<qsizetype>(0);
            QObject::connect(timer, &QTimer::timeout, client, [=] {
                client->write(response.mid(*sent, pieceBytes));
                *sent += pieceBytes;
                if (*sent >= response.size()) {
                    timer->stop();
                    client->disconnectFromHost();
                }
            });
            timer->start(intervalMs);
        };
    }

    Handler handler;
    std::vector<QByteArray> requests;

private:
    void take(QTcpSocket* client) {
        QByteArray& buffer = pending_[client];
        buffer += client->readAll();
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        qsizetype bodyLength = 0;
        const QByteArray head = buffer.left(headEnd + 2);
        for (const QByteArray& line : head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                bodyLength = line.mid(15).trimmed().toLongLong();
        if (buffer.size() < headEnd + 4 + bodyLength)
            return;
        const QByteArray request = buffer;
        pending_.erase(client);
        requests.push_back(request);
        if (handler)
            handler(client, request);
    }

    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> pending_;
};

} // namespace ornavo::net::testing
