#pragma once

#include <QtGlobal>

class HttpClient;
class QImage;
class QString;
class RemoteHost;
class RemoteServer;

// What the network module gives the program: Qt's network stack and what is built on it, the
// HTTP client the board publishes with, the remote control's server and this computer's
// addresses. The program loads it when one of them is first needed, so that a board that neither
// publishes nor is remote controlled never loads Qt Network, Qt HTTP Server or Qt WebSockets.
// Whatever the module makes, the caller owns and uses through its virtual functions only.
struct NetworkModule
{
    HttpClient *(*createHttpClient)(int timeoutMs);
    RemoteServer *(*createRemoteServer)(RemoteHost &host);
    // The address a phone opens, "http://192.168.1.20:8765/"; the loopback's when there is no
    // other.
    QString (*remoteAddress)(quint16 port);
};

// The module's one entry point. The number is the version of this table: a module built against
// another one is not used.
inline constexpr char NetworkModuleEntry[] = "varnelo_network_module_1";
using NetworkModuleEntryPoint = const NetworkModule *(*)();

// The network module, beside the program as it is installed and as it is built.
QString NetworkModulePath();
// The module, loaded at the first call; nullptr, with a warning, when it cannot be.
const NetworkModule *LoadNetworkModule();
