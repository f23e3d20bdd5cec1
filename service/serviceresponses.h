#pragma once

#include "httpmessage.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace websb {

// The small answers and readings the service's request handling shares.

// A file of the live page from the program's resources; empty when there is none.
std::shared_ptr<const std::string> resource(const QString &name);
HttpResponse unknownPage();
// `response` telling the client when to come back.
HttpResponse withRetryAfter(HttpResponse response, int seconds);
// A page name from a path segment: decoded, and only when it is a plain name.
std::optional<std::string> pageName(std::string_view segment);

} // namespace websb
