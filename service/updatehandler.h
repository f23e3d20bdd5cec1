#pragma once

#include "boardquery.h"

#include <QtGlobal>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Decides the answer to a board's update request: "<interval>|<echo>" and a stored state when the
// page and passcode are right and the query is sound, a 4xx with a short text otherwise. Refusal
// texts contain no "|", which is what the board counts as a refusal.
namespace websb {

class PageStore;
class PasscodeGate;

struct Reply
{
    int status = 200;
    std::string body;

    bool accepted() const { return status == 200; }
};

class UpdateHandler
{
public:
    using Clock = std::function<qint64()>; // milliseconds since the epoch

    UpdateHandler(PageStore &store, PasscodeGate &gate, int interval, Clock clock);

    // `page` is the decoded path segment after /web/; `query` is the raw query, undecoded.
    Reply handle(std::string_view page, std::string_view query);

    // The same in two steps, so that the passcode can be checked elsewhere in between: a refusal
    // that needs no passcode, or the parsed update to check and then `accept`.
    struct Prepared
    {
        std::optional<Reply> refusal;
        BoardUpdate update;
    };
    Prepared prepare(std::string_view page, std::string_view query) const;
    Reply accept(std::string_view page, const BoardUpdate &update);

private:
    PageStore &m_store;
    PasscodeGate &m_gate;
    int m_interval;
    Clock m_clock;
};

} // namespace websb
