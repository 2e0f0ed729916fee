#include "http_fetch.h"

#include "response_reader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <vector>

namespace ornavo::net {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string text) {
    for (char& c : text)
        c = lowerAscii(c);
    return text;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lowerAscii(text[i]) != lowerAscii(prefix[i]))
            return false;
    return true;
}

bool hasControlCharacter(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7f)
            return true;
    return false;
}

std::string percentEncodePath(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (unsigned char c : path) {
        if (c == ' ' || c >= 0x80) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0f];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string headerName(const std::string& line) {
    const std::size_t colon = line.find(':');
    std::string name = line.substr(0, colon);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.pop_back();
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
        name.erase(0, 1);
    return lowerAscii(name);
}

// The caller's header lines without their line ends; empty lines and lines without a name dropped.
std::vector<std::string> headerLines(const std::string& extraHeaders) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos <= extraHeaders.size()) {
        std::size_t end = extraHeaders.find('\n', pos);
        if (end == std::string::npos)
            end = extraHeaders.size();
        std::string line = extraHeaders.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find(':') != std::string::npos && !headerName(line).empty() && !hasControlCharacter(line))
            lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

bool names(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines)
        if (headerName(line) == name)
            return true;
    return false;
}

// Runs the interface's event loop until `done` holds, a socket signal having been seen each time, or
// until `timeoutMs` pass without `done`. Returns whether `done` holds.
bool waitFor(QTcpSocket& socket, const std::function<bool()>& done, int timeoutMs) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QIODevice::bytesWritten, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    while (!done() && timer.isActive())
        loop.exec();
    return done();
}

QByteArray fetch(const std::string& address, const FetchOptions& options) {
    if (!QCoreApplication::instance())
        return {};
    const std::optional<RequestTarget> target = splitAddress(address);
    const std::optional<std::string> request = buildRequest(address, options);
    if (!target || !request)
        return {};
    RequestTarget endpoint = *target;
    if (options.useProxy)
        endpoint = *splitAddress(options.proxy.compare(0, 5, "http=") == 0 ? options.proxy.substr(5) : options.proxy);
    const int timeout = options.timeoutMs > 0 ? options.timeoutMs : kTimeoutMs;
    // A name that is neither an address nor a well-formed domain name is never handed to a resolver.
    const QString host = QString::fromStdString(endpoint.host);
    if (QHostAddress(host).isNull() && QUrl::toAce(host).isEmpty())
        return {};

    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    // Qt stops taking data from the connection while this much waits unread, so a large body never
    // piles up beyond the pieces taken below.
    socket.setReadBufferSize(64 * 1024);

    // Connect (the host name lookup included).
    socket.connectToHost(host, endpoint.port);
    const bool settled = waitFor(
        socket,
        [&] {
            return socket.state() == QAbstractSocket::ConnectedState ||
                   socket.state() == QAbstractSocket::UnconnectedState;
        },
        timeout);
    if (!settled || socket.state() != QAbstractSocket::ConnectedState) {
        socket.abort();
        return {};
    }

    // Send.
    socket.write(request->data(), static_cast<qint64>(request->size()));
    const bool sent = waitFor(
        socket,
        [&] { return socket.bytesToWrite() == 0 || socket.state() != QAbstractSocket::ConnectedState; },
        timeout);
    if (!sent) {
        socket.abort();
        return {};
    }

    // Receive, a piece of at most 512 bytes at a time, letting the interface run before each piece.
    ResponseReader reader(options.maxBodyBytes);
    char piece[kReadPieceBytes];
    for (;;) {
        QCoreApplication::processEvents();
        if (socket.bytesAvailable() > 0) {
            const qint64 n = socket.read(piece, static_cast<qint64>(sizeof piece));
            if (n < 0)
                break;
            if (reader.feed(piece, static_cast<std::size_t>(n)) != ResponseReader::Status::More)
                break;
            continue;
        }
        if (socket.state() != QAbstractSocket::ConnectedState) {
            reader.finish();
            break;
        }
        const bool more = waitFor(
            socket,
            [&] { return socket.bytesAvailable() > 0 || socket.state() != QAbstractSocket::ConnectedState; },
            timeout);
        if (!more)
            break; // receive time-out
    }
    socket.abort();

    if (reader.status() != ResponseReader::Status::Done)
        return {};
    if (options.responseHeaders)
        *options.responseHeaders = reader.rawHeaders();
    return QByteArray(reader.body().data(), static_cast<qsizetype>(reader.body().size()));
}

} // namespace

std::string RequestTarget::hostHeader() const {
    const std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host; // IPv6 literal
    return port == 80 ? name : name + ":" + std::to_string(port);
}

std::optional<RequestTarget> splitAddress(const std::string& address) {
    if (hasControlCharacter(address))
        return std::nullopt;
    std::size_t start = startsWithNoCase(address, "http://") ? 7 : 0;
    std::size_t slash = address.find('/', start);
    if (slash == std::string::npos)
        slash = address.size();
    std::string host = address.substr(start, slash - start);

    RequestTarget target;
    std::string port;
    if (!host.empty() && host.front() == '[') {
        // A bracketed IPv6 literal, its own colons not separating a port.
        const std::size_t close = host.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        const std::string rest = host.substr(close + 1);
        if (!rest.empty() && rest.front() != ':')
            return std::nullopt;
        if (!rest.empty())
            port = rest.substr(1);
        host = host.substr(1, close - 1);
    } else if (const std::size_t colon = host.find(':'); colon != std::string::npos) {
        port = host.substr(colon + 1);
        host.erase(colon);
    }
    if (host.empty() || host.find(' ') != std::string::npos)
        return std::nullopt;
    if (!port.empty()) {
        if (port.size() > 5)
            return std::nullopt;
        unsigned long value = 0;
        for (char c : port) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + static_cast<unsigned long>(c - '0');
        }
        if (value == 0 || value > 65535)
            return std::nullopt;
        target.port = static_cast<std::uint16_t>(value);
    }
    target.host = lowerAscii(host);
    if (slash < address.size())
        target.path = percentEncodePath(address.substr(slash));
    return target;
}

std::string completeHeaders(const std::string& extraHeaders, const std::string& address) {
    const std::vector<std::string> lines = headerLines(extraHeaders);
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    if (!names(lines, "accept"))
        out += "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
               "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
    if (!names(lines, "referer"))
        out += "Referer: " + address + "\r\n";
    if (!names(lines, "accept-language"))
        out += "Accept-Language: zh-cn\r\n";
    return out;
}

std::optional<std::string> buildRequest(const std::string& address, const FetchOptions& options) {
    const std::optional<RequestTarget> target = splitAddress(address);
    if (!target)
        return std::nullopt;
    if (options.useProxy) {
        const std::string proxy = options.proxy.compare(0, 5, "http=") == 0 ? options.proxy.substr(5) : options.proxy;
        if (!splitAddress(proxy))
            return std::nullopt;
    }
    const bool post = lowerAscii(options.method) == "post";
    const std::vector<std::string> extra = headerLines(options.extraHeaders);

    // Through a proxy the request names the whole address.
    const std::string requestTarget =
        options.useProxy ? "http://" + target->hostHeader() + target->path : target->path;
    std::string request = std::string(post ? "POST" : "GET") + " " + requestTarget + " HTTP/1.1\r\n";

    // Lines the program states itself replace the caller's lines of the same name.
    std::string callerHeaders;
    for (const std::string& line : extra) {
        const std::string name = headerName(line);
        if (name != "content-length" && name != "transfer-encoding" && name != "connection")
            callerHeaders += line + "\r\n";
    }
    request += completeHeaders(callerHeaders, address);
    const bool withBody = post && !options.body.empty();
    if (withBody) {
        if (!names(extra, "content-type"))
            request += "Content-Type: application/x-www-form-urlencoded\r\n";
        request += "Content-Length: " + std::to_string(options.body.size()) + "\r\n";
    }
    if (!names(extra, "user-agent"))
        request += std::string("User-Agent: ") + kUserAgent + "\r\n";
    if (!names(extra, "host"))
        request += "Host: " + target->hostHeader() + "\r\n";
    // Always a fresh copy from the server, never one from a cache on the way.
    if (!names(extra, "pragma"))
        request += "Pragma: no-cache\r\n";
    if (!names(extra, "cache-control"))
        request += "Cache-Control: no-cache\r\n";
    request += "Connection: close\r\n\r\n";
    if (withBody)
        request += options.body;
    return request;
}

QByteArray fetchBytes(const std::string& address, const FetchOptions& options) {
    return fetch(address, options);
}

std::string fetchText(const std::string& address, const FetchOptions& options) {
    const QByteArray bytes = fetch(address, options);
    const qsizetype zero = bytes.indexOf('\0');
    return std::string(bytes.constData(), static_cast<std::size_t>(zero < 0 ? bytes.size() : zero));
}

} // namespace ornavo::net
