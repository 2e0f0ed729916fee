#pragma once
// The one way the program reads from the web: an asynchronous HTTP request through Qt's network access
// manager on the user-interface thread. A fetch returns at once; its answer arrives later through a
// callback, so nothing ever waits on the interface thread. Every request has one deadline for the
// whole exchange and a cap on the body's size. Every failure gives an empty result and no message; the
// callers use the result as it is.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QObject;

namespace ornavo::net {

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
inline constexpr int kDeadlineMs = 18000; // the whole request: look-up, connect, send and the answer
inline constexpr std::size_t kMaxBodyBytes = 16u * 1024 * 1024;

struct FetchOptions {
    std::string method = "GET"; // anything but POST (in any letter case) is sent as GET
    std::string body;           // sent only with POST
    // Extra request lines, "Name: value" separated by CR LF (a bare LF is accepted too).
    std::string extraHeaders;
    std::string proxy; // "host[:port]", optionally after "http=" or "http://"; used when useProxy is set
    bool useProxy = false;
    int deadlineMs = kDeadlineMs;
    std::size_t maxBodyBytes = kMaxBodyBytes;
};

struct FetchResult {
    bool ok = false;
    QByteArray body; // empty unless ok
    // Status line and header lines of the answer, each ending with CR LF (empty unless ok).
    std::string headers;
};

// Where a request goes: the address with an optional "http://" or "https://" (any letter case), the
// host in lower case, the port after a ":" (80, or 443 for https, when none is given) and the path
// from the first "/" after the host.
struct RequestTarget {
    bool secure = false; // https
    std::string host;
    std::uint16_t port = 80;
    std::string path = "/";
    // The Host header's value: the host, with ":port" unless the port is the scheme's own.
    std::string hostHeader() const;
    // "http://" or "https://", the host header and the path.
    std::string url() const;
};

// std::nullopt for an address no request can be made of: an empty host, a bad port, control
// characters anywhere. Blanks and bytes beyond ASCII in the path are percent-encoded.
std::optional<RequestTarget> splitAddress(const std::string& address);

// The caller's extra headers, each line ending with CR LF, followed by the Accept, Referer and
// Accept-Language lines that they do not already name (header names compared without regard to case).
std::string completeHeaders(const std::string& extraHeaders, const std::string& address);

// The request lines the program sets itself, in the order they are sent: the caller's lines, Accept,
// Referer, Accept-Language, for a POST with a body its Content-Type, then User-Agent and the lines that
// ask every cache on the way for a fresh copy. std::nullopt when the address cannot be used.
std::optional<std::vector<std::pair<std::string, std::string>>>
requestHeaders(const std::string& address, const FetchOptions& options = {});

// Starts the request and returns at once. `done` runs exactly once, later, from the event loop of the
// calling thread: with the body on a complete 2xx answer within the size cap, otherwise with an empty
// result (a bad address, no connection, a certificate that does not check out, a status outside 2xx,
// an answer cut short, a body over the cap, the deadline passed). When `context` (if given) is
// destroyed first, the request is abandoned and `done` never runs. Needs a QCoreApplication.
void fetch(const std::string& address, const QObject* context, std::function<void(const FetchResult&)> done,
           const FetchOptions& options = {});
// The body alone.
void fetchBytes(const std::string& address, const QObject* context,
                std::function<void(const QByteArray&)> done, const FetchOptions& options = {});
// The body up to its first zero byte, in the code page it came in.
void fetchText(const std::string& address, const QObject* context,
               std::function<void(const std::string&)> done, const FetchOptions& options = {});

// How many requests are under way (started, not yet answered or abandoned).
int pendingFetches();

} // namespace ornavo::net
