#include "serviceresponses.h"

#include "boardquery.h"

#include <QFile>

namespace websb {

std::shared_ptr<const std::string> resource(const QString &name)
{
    QFile file(QStringLiteral(":/websb/") + name);
    return std::make_shared<const std::string>(
        file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string());
}

HttpResponse unknownPage()
{
    return textResponse(404, "unknown page");
}

HttpResponse withRetryAfter(HttpResponse response, int seconds)
{
    response.headers.emplace_back("Retry-After", std::to_string(seconds));
    return response;
}

std::optional<std::string> pageName(std::string_view segment)
{
    if (segment.empty() || segment.find('/') != std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<std::string> decoded = percentDecode(segment);
    if (!decoded || decoded->empty() || decoded->find('/') != std::string::npos) {
        return std::nullopt;
    }
    return decoded;
}

} // namespace websb
