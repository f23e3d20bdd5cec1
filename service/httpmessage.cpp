#include "httpmessage.h"

#include <boost/asio/ip/address.hpp>

#include <algorithm>
#include <cstdio>

namespace websb {

namespace {

// No inline script or style anywhere: the live page loads its own files and opens its own event
// stream. frame-ancestors stays open, so the overlay can be embedded by streaming software.
constexpr std::string_view SecurityHeaders
    = "X-Content-Type-Options: nosniff\r\n"
      "Referrer-Policy: no-referrer\r\n"
      "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; "
      "connect-src 'self'; img-src 'self'; base-uri 'none'; form-action 'none'\r\n";

bool isSafeHeaderText(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The canonical text of a numeric address, or empty.
std::string normalAddress(std::string_view text)
{
    boost::system::error_code error;
    const auto address = boost::asio::ip::make_address(std::string(trim(text)), error);
    if (error) {
        return {};
    }
    // An IPv4 client seen through a dual-stack socket counts as its IPv4 address.
    if (address.is_v6() && address.to_v6().is_v4_mapped()) {
        return boost::asio::ip::make_address_v4(boost::asio::ip::v4_mapped, address.to_v6())
            .to_string();
    }
    return address.to_string();
}

} // namespace

std::string_view reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Content Too Large";
    case 414:
        return "URI Too Long";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Unknown";
    }
}

std::string formatHead(const HttpResponse &response, bool keepAlive)
{
    const int status = response.status >= 100 && response.status <= 999 ? response.status : 500;
    std::string head;
    head.reserve(512);
    head += "HTTP/1.1 ";
    head += std::to_string(status);
    head += ' ';
    head += reasonPhrase(status);
    head += "\r\n";
    if (isSafeHeaderText(response.contentType) && status != 304) {
        head += "Content-Type: ";
        head += response.contentType;
        head += "\r\n";
    }
    head += "Content-Length: ";
    head += std::to_string(status == 304 ? 0 : response.content().size());
    head += "\r\n";
    for (const auto &[name, value] : response.headers) {
        if (!name.empty() && isSafeHeaderText(name) && isSafeHeaderText(value)
            && name.find(':') == std::string::npos) {
            head += name;
            head += ": ";
            head += value;
            head += "\r\n";
        }
    }
    head += SecurityHeaders;
    head += keepAlive && !response.close ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    head += "\r\n";
    return head;
}

std::string formatResponse(const HttpResponse &response, bool headOnly, bool keepAlive)
{
    std::string bytes = formatHead(response, keepAlive);
    if (!headOnly && response.status != 304) {
        bytes += response.content();
    }
    return bytes;
}

std::string formatStreamHead()
{
    std::string head = "HTTP/1.1 200 OK\r\n"
                       "Content-Type: text/event-stream\r\n"
                       "Cache-Control: no-store\r\n"
                       "X-Accel-Buffering: no\r\n" // nginx: pass each event on at once
                       "Transfer-Encoding: chunked\r\n";
    head += SecurityHeaders;
    head += "\r\n";
    return head;
}

std::string chunk(std::string_view data)
{
    if (data.empty()) {
        return {}; // an empty chunk would end the stream
    }
    char size[20];
    const int length = std::snprintf(size, sizeof(size), "%zx\r\n", data.size());
    std::string framed(size, static_cast<std::size_t>(length));
    framed.reserve(framed.size() + data.size() + 2);
    framed += data;
    framed += "\r\n";
    return framed;
}

RequestTarget splitTarget(std::string_view target)
{
    const std::size_t mark = target.find('?');
    if (mark == std::string_view::npos) {
        return {target, {}};
    }
    return {target.substr(0, mark), target.substr(mark + 1)};
}

std::string clientAddress(std::string_view peer, std::string_view forwardedFor,
    const std::vector<std::string> &trustedProxies)
{
    std::string address = normalAddress(peer);
    if (address.empty()) {
        address = std::string(peer);
    }
    const auto trusted = [&](const std::string &candidate) {
        return std::find(trustedProxies.begin(), trustedProxies.end(), candidate)
            != trustedProxies.end();
    };
    if (!trusted(address) || forwardedFor.empty()) {
        return address;
    }
    // Each proxy appends the address it saw: walk back past the trusted ones.
    std::string_view rest = forwardedFor;
    while (!rest.empty()) {
        const std::size_t comma = rest.rfind(',');
        const std::string_view entry
            = comma == std::string_view::npos ? rest : rest.substr(comma + 1);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(0, comma);
        const std::string forwarded = normalAddress(entry);
        if (forwarded.empty()) {
            return address;
        }
        address = forwarded;
        if (!trusted(address)) {
            return address;
        }
    }
    return address;
}

HttpResponse textResponse(int status, std::string text)
{
    HttpResponse response;
    response.status = status;
    response.body = std::move(text);
    return response;
}

} // namespace websb
