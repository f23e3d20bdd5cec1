#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The bytes of the service's HTTP answers, built apart from the network so that they can be
// tested and fuzzed alone: a reply's head and body, the chunks of an event stream, the parts of a
// request target, and which address a request comes from when a trusted proxy forwards it.
namespace websb {

struct HttpResponse
{
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
    // Shared by many replies (a page's JSON, the static files); used instead of `body` when set.
    std::shared_ptr<const std::string> sharedBody;
    std::vector<std::pair<std::string, std::string>> headers;
    bool close = false; // ends the connection after this reply

    std::string_view content() const { return sharedBody ? *sharedBody : body; }
};

std::string_view reasonPhrase(int status);

// The status line and headers, with the security headers every answer carries. Header values
// with a line break are dropped rather than sent.
std::string formatHead(const HttpResponse &response, bool keepAlive);
// Head and body; only the head for a HEAD request.
std::string formatResponse(const HttpResponse &response, bool headOnly, bool keepAlive);

// The head of an event stream, sent in chunks that follow.
std::string formatStreamHead();
// One chunk of chunked transfer encoding.
std::string chunk(std::string_view data);

struct RequestTarget
{
    std::string_view path;
    std::string_view query; // without "?", undecoded
};

RequestTarget splitTarget(std::string_view target);

// The client's address: the peer's, unless the peer is a trusted proxy, in which case the
// right-most X-Forwarded-For entry that is not itself a trusted proxy. A malformed entry is
// ignored and the peer's address kept.
std::string clientAddress(std::string_view peer, std::string_view forwardedFor,
    const std::vector<std::string> &trustedProxies);

// A short plain-text answer.
HttpResponse textResponse(int status, std::string text);

} // namespace websb
