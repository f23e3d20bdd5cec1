#include "updatehandler.h"

#include "boardquery.h"
#include "pagestore.h"
#include "passcodegate.h"

#include <algorithm>

namespace websb {

UpdateHandler::UpdateHandler(PageStore &store, PasscodeGate &gate, int interval, Clock clock)
    : m_store(store)
    , m_gate(gate)
    , m_prefix(std::to_string(interval) + '|')
    , m_clock(std::move(clock))
{
}

Reply UpdateHandler::handle(std::string_view page, std::string_view query)
{
    if (!m_store.contains(page)) {
        return {403, "unknown page"};
    }
    QueryResult parsed = parseBoardQuery(query);
    if (!parsed.ok()) {
        return {parsed.status, std::move(parsed.error)};
    }
    if (!m_gate.check(page, parsed.update.passcode)) {
        return {403, "wrong passcode"};
    }
    const BoardValues &values = parsed.update.values;
    // The board cannot accept an empty echo, and an empty board is nothing to show.
    if (std::all_of(values.begin(), values.end(), [](const auto &v) { return v.empty(); })) {
        return {400, "every value is empty"};
    }

    PageState state;
    state.values = values;
    state.final = parsed.update.final;
    state.updatedMs = m_clock();
    m_store.update(page, state);
    return {200, m_prefix + echoOf(values)};
}

} // namespace websb
