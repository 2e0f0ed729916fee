#pragma once
// A tiny HTTP server on a free loopback port, run by the test's own event loop (the fetch under test
// never blocks, so the server answers from the same thread while the test waits). Besides proper
// answers it misbehaves on request: silence, a trickle, an endless body, a reset connection.

#include <QByteArray>
#include <QHostAddress>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <sys/socket.h>
#include <vector>

namespace ornavo::net::testing {

class LoopbackServer {
  public:
    // Called once a whole request (head and any Content-Length body) has arrived.
    using Handler = std::function<void(QTcpSocket* client, const QByteArray& request)>;

    // Plain HTTP, or TLS with the given configuration (a QSslServer).
    explicit LoopbackServer(std::unique_ptr<QTcpServer> server = std::make_unique<QTcpServer>())
        : server_(std::move(server)) {
        server_->listen(QHostAddress::LocalHost, 0);
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, [this] {
            while (QTcpSocket* client = server_->nextPendingConnection()) {
                ++connections;
                ++open;
                QObject::connect(client, &QTcpSocket::disconnected, client, [this, client] {
                    --open;
                    pending_.erase(client);
                    client->deleteLater();
                });
                QObject::connect(client, &QIODevice::readyRead, client, [this, client] { take(client); });
                take(client);
            }
        });
    }

    ~LoopbackServer() {
        // The connections go with the server; they no longer report to this object.
        for (QTcpSocket* client : server_->findChildren<QTcpSocket*>())
            client->disconnect();
        server_.reset();
    }

    quint16 port() const { return server_->serverPort(); }
    std::string origin(const char* scheme = "http") const {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(port());
    }

    // Answers every request with these bytes and closes the connection.
    void replyWith(const QByteArray& response) {
        handler = [response](QTcpSocket* client, const QByteArray&) {
            client->write(response);
            client->disconnectFromHost();
        };
    }
    // Answers with a 200 response carrying the body and its Content-Length.
    void replyBody(const QByteArray& body) { replyWith(ok(body)); }
    static QByteArray ok(const QByteArray& body) {
        return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }
    // Reads the request and never answers.
    void silent() {
        handler = [](QTcpSocket*, const QByteArray&) {};
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
    // Sends the head, then the filler over and over for as long as the client takes it.
    void endless(const QByteArray& head, const QByteArray& filler) {
        handler = [=](QTcpSocket* client, const QByteArray&) {
            client->write(head);
            auto more = [client, filler] {
                while (client->bytesToWrite() < 4 * filler.size())
                    client->write(filler);
            };
            QObject::connect(client, &QIODevice::bytesWritten, client, more);
            more();
        };
    }
    // Sends the start of an answer, then resets the connection.
    void resetAfter(const QByteArray& start) {
        handler = [start](QTcpSocket* client, const QByteArray&) {
            client->write(start);
            client->flush();
            // Closing with a zero linger time sends a reset instead of an orderly end.
            const linger reset{1, 0};
            ::setsockopt(static_cast<int>(client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset,
                         sizeof reset);
            client->abort();
        };
    }

    Handler handler;
    std::vector<QByteArray> requests;
    int connections = 0; // accepted so far
    int open = 0;        // not yet closed by either side

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
        const QByteArray request = buffer.left(headEnd + 4 + bodyLength);
        buffer.remove(0, request.size());
        requests.push_back(request);
        if (handler)
            handler(client, request);
    }

    std::unique_ptr<QTcpServer> server_;
    std::map<QTcpSocket*, QByteArray> pending_;
};

} // namespace ornavo::net::testing
