#pragma once
// The one way the program reads from the web: a blocking HTTP/1.1 request on the user-interface
// thread that keeps the interface's events flowing while it waits. Every failure gives an empty result
// and no message; the callers use the result as it is.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ornavo::net {

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
inline constexpr int kTimeoutMs = 18000;                    // connect, send and receive, each
inline constexpr std::size_t kReadPieceBytes = 512;         // events are processed between pieces
inline constexpr std::size_t kMaxBodyBytes = 16u * 1024 * 1024;

struct FetchOptions {
    std::string method = "GET"; // anything but POST (in any letter case) is sent as GET
    std::string body;           // sent only with POST
    // Extra request lines, "Name: value" separated by CR LF (a bare LF is accepted too).
    std::string extraHeaders;
    std::string proxy; // "host[:port]", optionally with "http://"; used when useProxy is set
    bool useProxy = false;
    // When set, receives the status line and header lines of the response, each ending with CR LF.
    std::string* responseHeaders = nullptr;
    int timeoutMs = kTimeoutMs;
    std::size_t maxBodyBytes = kMaxBodyBytes;
};

// Where a request goes: the address with an optional "http://" (any letter case), the host in lower
// case, the port after a ":" (80 when none is given) and the path from the first "/" after the host.
struct RequestTarget {
    std::string host;
    std::uint16_t port = 80;
    std::string path = "/";
    // The Host header's value: the host, with ":port" unless the port is 80.
    std::string hostHeader() const;
};

// std::nullopt for an address no request can be made of: an empty host, a bad port, control
// characters anywhere. Blanks and bytes beyond ASCII in the path are percent-encoded.
std::optional<RequestTarget> splitAddress(const std::string& address);

// The caller's extra headers, each line ending with CR LF, followed by the Accept, Referer and
// Accept-Language lines that they do not already name (header names compared without regard to case).
std::string completeHeaders(const std::string& extraHeaders, const std::string& address);

// The whole request as it goes on the wire (head and body); std::nullopt when the address or the
// proxy cannot be used.
std::optional<std::string> buildRequest(const std::string& address, const FetchOptions& options = {});

// The response body; empty on any failure: a bad address, no connection, a time-out, a status outside
// 2xx, a body cut short or larger than the cap.
QByteArray fetchBytes(const std::string& address, const FetchOptions& options = {});
// The body up to its first zero byte, in the code page it came in.
std::string fetchText(const std::string& address, const FetchOptions& options = {});

} // namespace ornavo::net
