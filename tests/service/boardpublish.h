#pragma once

#include "rawclient.h"
#include "websbtesting.h"

#include <chrono>
#include <string>

namespace websbtest {

// One board update of page "main" from `from`, with the home score at `home`, as the board
// sends it; the answer, or none when the service could not be reached.
inline RawClient::Answer publishHome(int port, int home, const QString &passcode,
    const std::string &from, std::chrono::milliseconds wait)
{
    Values values = sampleValues();
    values[3] = QString::number(home);
    RawClient client;
    if (!client.connect(port, from)) {
        return {};
    }
    client.send("GET /web/main?" + rawBoardQuery(values, passcode)
        + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    return client.read(wait);
}

} // namespace websbtest
