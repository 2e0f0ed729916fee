#include "response_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace ornavo::net {

namespace {

// Longest status line plus headers, and longest chunk-size or trailer line, that are accepted.
constexpr std::size_t kMaxHeadBytes = 64 * 1024;
constexpr std::size_t kMaxFramingLine = 1024;

std::string lowerAscii(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

// Plain decimal without sign; false on anything else or on overflow.
bool parseDecimal(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 18)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return true;
}

bool parseHex(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 15)
        return false;
    value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return true;
}

} // namespace

ResponseReader::ResponseReader(std::size_t maxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

ResponseReader::Status ResponseReader::status() const {
    if (phase_ == Phase::Done)
        return Status::Done;
    if (phase_ == Phase::Failed)
        return Status::Failed;
    return Status::More;
}

void ResponseReader::fail() {
    phase_ = Phase::Failed;
    pending_.clear();
    body_.clear();
}

ResponseReader::Status ResponseReader::feed(const char* data, std::size_t size) {
    if (phase_ == Phase::Done || phase_ == Phase::Failed)
        return status();
    if (phase_ == Phase::UntilClose || ((phase_ == Phase::Length || phase_ == Phase::ChunkData) && pending_.empty())) {
        // Body bytes go straight to the body; no copy through the pending buffer.
        std::size_t take = size;
        if (phase_ != Phase::UntilClose)
            take = std::min<std::size_t>(size, remaining_);
        if (!appendBody(data, take))
            return status();
        data += take;
        size -= take;
        if (phase_ != Phase::UntilClose) {
            remaining_ -= take;
            if (remaining_ == 0)
                phase_ = phase_ == Phase::Length ? Phase::Done : Phase::ChunkEnd;
        }
        if (phase_ == Phase::Done || size == 0)
            return status();
    }
    pending_.append(data, size);
    advance();
    return status();
}

ResponseReader::Status ResponseReader::finish() {
    if (phase_ == Phase::UntilClose)
        phase_ = Phase::Done;
    else if (phase_ != Phase::Done)
        fail();
    return status();
}

bool ResponseReader::appendBody(const char* data, std::size_t size) {
    if (body_.size() + size > maxBodyBytes_) {
        fail();
        return false;
    }
    body_.append(data, size);
    return true;
}

void ResponseReader::advance() {
    for (;;) {
        switch (phase_) {
        case Phase::Head: {
            const std::size_t end = pending_.find("\r\n\r\n");
            if (end == std::string::npos) {
                if (pending_.size() > kMaxHeadBytes)
                    fail();
                return;
            }
            if (end + 4 > kMaxHeadBytes) {
                fail();
                return;
            }
            const std::string head = pending_.substr(0, end + 2);
            pending_.erase(0, end + 4);
            readHead(head);
            break;
        }
        case Phase::Length:
        case Phase::ChunkData: {
            const std::size_t take = std::min<std::size_t>(remaining_, pending_.size());
            if (!appendBody(pending_.data(), take))
                return;
            pending_.erase(0, take);
            remaining_ -= take;
            if (remaining_ > 0)
                return;
            phase_ = phase_ == Phase::Length ? Phase::Done : Phase::ChunkEnd;
            break;
        }
        case Phase::ChunkEnd:
            if (pending_.size() < 2)
                return;
            if (pending_.compare(0, 2, "\r\n") != 0) {
                fail();
                return;
            }
            pending_.erase(0, 2);
            phase_ = Phase::ChunkSize;
            break;
        case Phase::ChunkSize:
        case Phase::Trailer: {
            const std::size_t end = pending_.find("\r\n");
            if (end == std::string::npos) {
                if (pending_.size() > kMaxFramingLine)
                    fail();
                return;
            }
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            if (phase_ == Phase::Trailer) {
                if (line.empty())
                    phase_ = Phase::Done;
                break;
            }
            const std::size_t extension = line.find(';');
            if (extension != std::string::npos)
                line.erase(extension);
            std::uint64_t size = 0;
            if (!parseHex(trimmed(line), size) || size > maxBodyBytes_ - body_.size()) {
                fail();
                return;
            }
            if (size == 0) {
                phase_ = Phase::Trailer;
            } else {
                remaining_ = static_cast<std::size_t>(size);
                phase_ = Phase::ChunkData;
            }
            break;
        }
        case Phase::UntilClose:
            if (!appendBody(pending_.data(), pending_.size()))
                return;
            pending_.clear();
            return;
        case Phase::Done:
        case Phase::Failed:
            pending_.clear();
            return;
        }
    }
}

void ResponseReader::readHead(const std::string& head) {
    // Status line: "HTTP/1.x NNN reason".
    const std::size_t lineEnd = head.find("\r\n");
    const std::string statusLine = head.substr(0, lineEnd);
    if (statusLine.compare(0, 5, "HTTP/") != 0) {
        fail();
        return;
    }
    const std::size_t space = statusLine.find(' ');
    std::uint64_t code = 0;
    if (space == std::string::npos || !parseDecimal(statusLine.substr(space + 1, 3), code)) {
        fail();
        return;
    }
    statusCode_ = static_cast<int>(code);
    if (code >= 100 && code < 200)
        return; // an interim response; the real one follows
    rawHeaders_ = head;
    if (code < 200 || code >= 300) {
        fail();
        return;
    }

    bool chunked = false;
    bool haveLength = false;
    std::uint64_t length = 0;
    std::size_t pos = lineEnd + 2;
    while (pos < head.size()) {
        const std::size_t end = head.find("\r\n", pos);
        const std::string line = head.substr(pos, end - pos);
        pos = end + 2;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string name = lowerAscii(trimmed(line.substr(0, colon)));
        const std::string value = trimmed(line.substr(colon + 1));
        if (name == "transfer-encoding") {
            chunked = lowerAscii(value).find("chunked") != std::string::npos;
        } else if (name == "content-length") {
            std::uint64_t n = 0;
            if (!parseDecimal(value, n) || (haveLength && n != length)) {
                fail();
                return;
            }
            haveLength = true;
            length = n;
        }
    }

    if (chunked) {
        phase_ = Phase::ChunkSize;
    } else if (code == 204 || (haveLength && length == 0)) {
        phase_ = Phase::Done;
    } else if (haveLength) {
        if (length > maxBodyBytes_) {
            fail();
            return;
        }
        remaining_ = static_cast<std::size_t>(length);
        phase_ = Phase::Length;
    } else {
        phase_ = Phase::UntilClose;
    }
}

} // namespace ornavo::net
