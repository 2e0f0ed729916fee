#pragma once
// Reads an HTTP/1.x response as it arrives, piece by piece: the status line and headers, then the body
// framed by Content-Length, by chunks, or by the end of the connection. Only a complete 2xx response
// with a body within the size cap counts as a success.

#include <cstddef>
#include <string>

namespace ornavo::net {

class ResponseReader {
public:
    enum class Status { More, Done, Failed };

    explicit ResponseReader(std::size_t maxBodyBytes);

    // Feeds the next bytes received. Bytes after a complete response are ignored.
    Status feed(const char* data, std::size_t size);
    Status feed(const std::string& data) { return feed(data.data(), data.size()); }
    // The server closed the connection: a body that runs to the close is complete, anything else is
    // cut short.
    Status finish();

    Status status() const;
    const std::string& body() const { return body_; }
    // Status line and header lines of the final response, each ending with CR LF.
    const std::string& rawHeaders() const { return rawHeaders_; }
    int statusCode() const { return statusCode_; }

private:
    enum class Phase { Head, Length, ChunkSize, ChunkData, ChunkEnd, Trailer, UntilClose, Done, Failed };

    void advance();
    void readHead(const std::string& head);
    bool appendBody(const char* data, std::size_t size);
    void fail();

    std::size_t maxBodyBytes_;
    Phase phase_ = Phase::Head;
    std::string pending_; // received bytes not yet consumed (head, chunk framing)
    std::string body_;
    std::string rawHeaders_;
    std::size_t remaining_ = 0; // body or chunk bytes still expected
    int statusCode_ = 0;
};

} // namespace ornavo::net
