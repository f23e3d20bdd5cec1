#include "updatehandler.h"

#include "pagestore.h"
#include "passcodegate.h"

#include <algorithm>

namespace websb {

UpdateHandler::UpdateHandler(PageStore &store, PasscodeGate &gate, int interval, Clock clock)
    : m_store(store)
    , m_gate(gate)
    , m_interval(interval)
    , m_clock(std::move(clock))
{
}

Reply UpdateHandler::handle(std::string_view page, std::string_view query)
{
    Prepared prepared = prepare(page, query);
    if (prepared.refusal) {
        return std::move(*prepared.refusal);
    }
    if (!m_gate.check(page, prepared.update.passcode)) {
        return {403, std::string(websbprotocol::refusal::WrongPasscode)};
    }
    return accept(page, prepared.update);
}

UpdateHandler::Prepared UpdateHandler::prepare(std::string_view page, std::string_view query) const
{
    Prepared prepared;
    if (!m_store.contains(page)) {
        prepared.refusal = Reply{403, std::string(websbprotocol::refusal::UnknownPage)};
        return prepared;
    }
    QueryResult parsed = parseBoardQuery(query);
    if (!parsed.ok()) {
        prepared.refusal = Reply{parsed.status, std::move(parsed.error)};
        return prepared;
    }
    prepared.update = std::move(parsed.update);
    return prepared;
}

Reply UpdateHandler::accept(std::string_view page, const BoardUpdate &update)
{
    const BoardValues &values = update.values;
    // The board cannot accept an empty echo, and an empty board is nothing to show. Checked
    // after the passcode, so that the answer tells a guesser nothing.
    if (std::all_of(values.begin(), values.end(), [](const auto &v) { return v.empty(); })) {
        return {400, std::string(websbprotocol::refusal::EveryValueEmpty)};
    }
    PageState state;
    state.values = values;
    state.final = update.final;
    state.match = update.match;
    state.teams = update.teams;
    state.updatedMs = m_clock();
    m_store.update(page, state);
    return {200, websbprotocol::acceptedReply(m_interval, echoOf(values))};
}

} // namespace websb
