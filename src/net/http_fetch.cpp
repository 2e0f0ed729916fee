#include "http_fetch.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace ornavo::net {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

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

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    return text.substr(begin);
}

std::string headerName(const std::string& line) {
    return lowerAscii(trimmed(line.substr(0, line.find(':'))));
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

std::optional<RequestTarget> proxyTarget(const FetchOptions& options) {
    const std::string proxy =
        options.proxy.compare(0, 5, "http=") == 0 ? options.proxy.substr(5) : options.proxy;
    std::optional<RequestTarget> target = splitAddress(proxy);
    if (target && target->secure)
        return std::nullopt;
    return target;
}

// A name that is neither an address nor a well-formed domain name is never handed to a resolver.
bool usableHost(const std::string& host) {
    const QString name = QString::fromStdString(host);
    return !QHostAddress(name).isNull() || !QUrl::toAce(name).isEmpty();
}

// The program's requests share one manager, made on first use and gone with the application.
QNetworkAccessManager* sharedManager() {
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        manager->setProxy(QNetworkProxy::NoProxy); // a direct connection unless a fetch names a proxy
    }
    return manager;
}

int pending = 0;

// One request under way: collects the body up to the cap, ends it at the deadline, and hands the
// result to the caller once, unless the caller's context went first.
class PendingFetch : public QObject {
  public:
    PendingFetch(const QObject* context, std::function<void(const FetchResult&)> done,
                 const FetchOptions& options)
        : done_(std::move(done)), context_(const_cast<QObject*>(context)), hasContext_(context != nullptr),
          cap_(options.maxBodyBytes) {
        ++pending;
        if (context)
            connect(context, &QObject::destroyed, this, &PendingFetch::abandon);
        deadline_.setSingleShot(true);
        connect(&deadline_, &QTimer::timeout, this, [this] { finish({}); });
        deadline_.start(options.deadlineMs > 0 ? options.deadlineMs : kDeadlineMs);
    }
    ~PendingFetch() override {
        if (!finished_)
            --pending;
        dropReply();
    }

    // A fetch that cannot even start still answers from the event loop, never from inside fetch().
    void failSoon() {
        QTimer::singleShot(0, this, [this] { finish({}); });
    }

    void start(QNetworkAccessManager* manager, const QNetworkRequest& request, bool post,
               const QByteArray& body) {
        if (!post)
            reply_ = manager->get(request);
        else if (body.isEmpty())
            reply_ = manager->sendCustomRequest(request, "POST");
        else
            reply_ = manager->post(request, body);
        // Qt stops taking data from the connection while this much waits unread; it is read as it comes.
        reply_->setReadBufferSize(64 * 1024);
        connect(reply_, &QNetworkReply::metaDataChanged, this, &PendingFetch::checkHead);
        connect(reply_, &QIODevice::readyRead, this, &PendingFetch::take);
        connect(reply_, &QNetworkReply::finished, this, &PendingFetch::answered);
    }

  private:
    int status() const {
        return reply_ ? reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
    }

    // A refusal or an announced body beyond the cap ends the request before any body arrives.
    void checkHead() {
        const int code = status();
        if (code >= 300 && code < 400)
            return; // a redirection; the answer it leads to is checked in turn
        if (code < 200 || code >= 300) {
            finish({});
            return;
        }
        bool known = false;
        const qulonglong length = reply_->header(QNetworkRequest::ContentLengthHeader).toULongLong(&known);
        if (known && length > cap_)
            finish({});
    }

    void take() {
        if (!reply_)
            return;
        const qint64 room = static_cast<qint64>(cap_) - body_.size();
        // What has arrived, and one byte past the cap at most: read() sets aside as much memory as it
        // is asked for (16 MiB and more for the room), and the body kept that much.
        const QByteArray piece = reply_->read(std::min(room + 1, reply_->bytesAvailable()));
        if (piece.size() > room) {
            finish({});
            return;
        }
        body_ += piece;
    }

    void answered() {
        if (!reply_)
            return;
        take();
        if (done())
            return;
        const int code = status();
        if (reply_->error() != QNetworkReply::NoError || code < 200 || code >= 300) {
            finish({});
            return;
        }
        FetchResult result;
        result.ok = true;
        result.body = body_;
        result.headers =
            "HTTP/1.1 " + std::to_string(code) + " " +
            reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray().toStdString() +
            "\r\n";
        for (const auto& [name, value] : reply_->rawHeaderPairs())
            result.headers += name.toStdString() + ": " + value.toStdString() + "\r\n";
        finish(result);
    }

    bool done() const { return finished_; }

    void abandon() {
        done_ = nullptr;
        finish({});
    }

    void dropReply() {
        if (!reply_)
            return;
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }

    void finish(const FetchResult& result) {
        if (finished_)
            return;
        finished_ = true;
        --pending;
        deadline_.stop();
        dropReply();
        deleteLater();
        std::function<void(const FetchResult&)> done = std::move(done_);
        done_ = nullptr;
        if (done && (!hasContext_ || context_))
            done(result);
    }

    std::function<void(const FetchResult&)> done_;
    QPointer<QObject> context_;
    bool hasContext_;
    std::size_t cap_;
    QPointer<QNetworkReply> reply_;
    QByteArray body_;
    QTimer deadline_;
    bool finished_ = false;
};

} // namespace

std::string RequestTarget::hostHeader() const {
    const std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host; // IPv6 literal
    return port == (secure ? 443 : 80) ? name : name + ":" + std::to_string(port);
}

std::string RequestTarget::url() const {
    return (secure ? "https://" : "http://") + hostHeader() + path;
}

std::optional<RequestTarget> splitAddress(const std::string& address) {
    if (hasControlCharacter(address))
        return std::nullopt;
    RequestTarget target;
    std::size_t start = 0;
    if (startsWithNoCase(address, "http://")) {
        start = 7;
    } else if (startsWithNoCase(address, "https://")) {
        start = 8;
        target.secure = true;
        target.port = 443;
    }
    std::size_t slash = address.find('/', start);
    if (slash == std::string::npos)
        slash = address.size();
    std::string host = address.substr(start, slash - start);

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

std::optional<std::vector<std::pair<std::string, std::string>>> requestHeaders(const std::string& address,
                                                                               const FetchOptions& options) {
    if (!splitAddress(address))
        return std::nullopt;
    const bool post = lowerAscii(options.method) == "post";
    const std::vector<std::string> extra = headerLines(options.extraHeaders);

    // The framing of the request is the transport's own: the caller's lines of those names are dropped.
    std::string callerHeaders;
    for (const std::string& line : extra) {
        const std::string name = headerName(line);
        if (name != "content-length" && name != "transfer-encoding" && name != "connection" && name != "host")
            callerHeaders += line + "\r\n";
    }
    std::vector<std::pair<std::string, std::string>> headers;
    for (const std::string& line : headerLines(completeHeaders(callerHeaders, address))) {
        const std::size_t colon = line.find(':');
        headers.emplace_back(trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1)));
    }
    if (post && !options.body.empty() && !names(extra, "content-type"))
        headers.emplace_back("Content-Type", "application/x-www-form-urlencoded");
    if (!names(extra, "user-agent"))
        headers.emplace_back("User-Agent", kUserAgent);
    // Always a fresh copy from the server, never one from a cache on the way.
    if (!names(extra, "pragma"))
        headers.emplace_back("Pragma", "no-cache");
    if (!names(extra, "cache-control"))
        headers.emplace_back("Cache-Control", "no-cache");
    return headers;
}

void fetch(const std::string& address, const QObject* context, std::function<void(const FetchResult&)> done,
           const FetchOptions& options) {
    if (!QCoreApplication::instance()) {
        if (done)
            done({});
        return;
    }
    auto* request = new PendingFetch(context, std::move(done), options);
    const std::optional<RequestTarget> target = splitAddress(address);
    const auto headers = requestHeaders(address, options);
    const std::optional<RequestTarget> proxy = options.useProxy ? proxyTarget(options) : std::nullopt;
    const QUrl url = target ? QUrl(QString::fromStdString(target->url()), QUrl::TolerantMode) : QUrl();
    if (!target || !headers || (options.useProxy && !proxy) || !url.isValid() || !usableHost(target->host) ||
        (proxy && !usableHost(proxy->host))) {
        request->failSoon();
        return;
    }

    QNetworkRequest qrequest(url);
    qrequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    qrequest.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    qrequest.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    qrequest.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    qrequest.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    qrequest.setMaximumRedirectsAllowed(5);
    for (const auto& [name, value] : *headers)
        qrequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));

    QNetworkAccessManager* manager = sharedManager();
    if (proxy) {
        // A request through a proxy has a manager of its own, gone with the request.
        manager = new QNetworkAccessManager(request);
        manager->setProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(proxy->host), proxy->port));
    }
    const bool post = lowerAscii(options.method) == "post";
    request->start(manager, qrequest, post, post ? QByteArray::fromStdString(options.body) : QByteArray());
}

void fetchBytes(const std::string& address, const QObject* context,
                std::function<void(const QByteArray&)> done, const FetchOptions& options) {
    fetch(
        address, context,
        [done = std::move(done)](const FetchResult& result) {
            if (done)
                done(result.body);
        },
        options);
}

void fetchText(const std::string& address, const QObject* context,
               std::function<void(const std::string&)> done, const FetchOptions& options) {
    fetch(
        address, context,
        [done = std::move(done)](const FetchResult& result) {
            const qsizetype zero = result.body.indexOf('\0');
            if (done)
                done(std::string(result.body.constData(),
                                 static_cast<std::size_t>(zero < 0 ? result.body.size() : zero)));
        },
        options);
}

int pendingFetches() {
    return pending;
}

} // namespace ornavo::net
