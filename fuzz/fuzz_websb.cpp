// libFuzzer target for what a stranger can feed the service: the board's query, the config
// file (the operator's, but a mistake must never crash), and the reply built from values and
// addresses that come from requests. The first byte picks which; a broken promise traps.

#include "service/boardquery.h"
#include "service/config.h"
#include "service/httpmessage.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void require(bool promise)
{
    if (!promise) {
        __builtin_trap();
    }
}

void fuzzQuery(std::string_view input)
{
    const websb::QueryResult result = websb::parseBoardQuery(input);
    if (!result.ok()) {
        // The board counts any text with a bar as accepted.
        require(result.error.find('|') == std::string::npos);
        require(result.status == 400 || result.status == 414);
        return;
    }
    std::size_t length = 0;
    for (std::size_t i = 0; i < websb::BoardFieldCount; ++i) {
        const std::string &value = result.update.values[i];
        require(websb::utf8Length(value).has_value());
        require(websb::isValidValue(websb::BoardFields[i], value));
        length += value.size();
    }
    require(websb::echoOf(result.update.values).size() == length);
    // A match taken is one the page and the state file can hold.
    require(!result.update.match || websb::matchProblem(*result.update.match).empty());
    require(!result.update.teams || websb::teamsProblem(*result.update.teams).empty());
}

void fuzzConfig(std::string_view input)
{
    websb::ServiceConfig config;
    QString error;
    const bool ok
        = websb::parseConfig(QString::fromUtf8(input.data(), static_cast<qsizetype>(input.size())),
            QStringLiteral("/base"), config, error);
    require(ok || error.startsWith(QStringLiteral("line ")));
    if (ok) {
        require(config.interval >= 1 && config.interval <= websb::MaxInterval);
        require(config.maxConnections >= 16 && config.streamCap() > 0);
    }
}

void fuzzReply(std::string_view input)
{
    // A status byte, then a header value, a body, a peer and a forwarded-for, split at NULs.
    const int status = input.empty() ? 200 : 100 + static_cast<unsigned char>(input[0]) * 4;
    input.remove_prefix(input.empty() ? 0 : 1);
    std::string_view parts[4];
    for (std::string_view &part : parts) {
        const std::size_t end = input.find('\0');
        part = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    websb::HttpResponse response = websb::textResponse(status, std::string(parts[1]));
    response.headers.emplace_back("Retry-After", std::string(parts[0]));
    const std::string bytes = websb::formatResponse(response, false, true);
    // Nothing from the input can end the head early or add a header line.
    const std::size_t headEnd = bytes.find("\r\n\r\n");
    require(headEnd != std::string::npos);
    require(bytes.size() - headEnd - 4 == (status == 304 ? 0 : parts[1].size()));
    require(bytes.rfind("HTTP/1.1 ", 0) == 0);
    const std::string framed = websb::chunk(parts[1]);
    require(parts[1].empty() == framed.empty());
    const std::string client = websb::clientAddress(parts[2], parts[3], {"127.0.0.1", "::1"});
    require(client.find('\n') == std::string::npos || client == std::string(parts[2]));
    const websb::RequestTarget target = websb::splitTarget(parts[1]);
    require(target.path.size() + target.query.size() <= parts[1].size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char *>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0:
        fuzzQuery(input);
        break;
    case 1:
        fuzzConfig(input);
        break;
    default:
        fuzzReply(input);
        break;
    }
    return 0;
}
