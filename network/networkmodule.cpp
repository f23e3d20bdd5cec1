// The network module's entry point: the table of what it makes.
#include "web/networkmodule.h"
#include "network/networkhttpclient.h"
#include "network/networkremoteserver.h"

namespace {

HttpClient *createHttpClient(int timeoutMs)
{
    return new NetworkHttpClient(timeoutMs);
}

RemoteServer *createRemoteServer(RemoteHost &host)
{
    return new NetworkRemoteServer(host);
}

constexpr NetworkModule Module{createHttpClient, createRemoteServer, RemoteAddress};

} // namespace

extern "C" Q_DECL_EXPORT const NetworkModule *varnelo_network_module_1()
{
    return &Module;
}
