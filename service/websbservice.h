#pragma once

#include "config.h"
#include "updatehandler.h"

#include <QString>

#include <atomic>
#include <memory>
#include <thread>

// The running service: the pages' state and its files, the passcode gate, and the HTTP server
// with the board's update address (/web/<page>), the live page (/<page>), its JSON (/api/<page>)
// and its event stream (/api/<page>/events).
namespace websb {

class HttpServer;
class PageStore;
class PasscodeGate;
class RefusalLog;
class StateWriter;

class WebScoreboardService
{
public:
    explicit WebScoreboardService(ServiceConfig config, UpdateHandler::Clock clock = {});
    ~WebScoreboardService();

    WebScoreboardService(const WebScoreboardService &) = delete;
    WebScoreboardService &operator=(const WebScoreboardService &) = delete;

    // Reads the pages' saved state, binds the address and serves on a thread of its own.
    // False with `error` set when the data folder or the address cannot be used.
    bool start(QString &error);
    // Ends the live streams, stops serving and writes what is pending. Called by the destructor.
    void stop();

    int port() const { return m_port; }
    PageStore &store() { return *m_store; }
    // Waits until every accepted update is on disk.
    void flush();

private:
    void addRoutes();

    ServiceConfig m_config;
    std::unique_ptr<PageStore> m_store;
    std::unique_ptr<PasscodeGate> m_gate;
    std::unique_ptr<UpdateHandler> m_handler;
    std::unique_ptr<RefusalLog> m_refusals;
    // Live streams open now, and how many may be: an eighth of the threads stays for the boards.
    std::atomic<int> m_streams = 0;
    const int m_maxStreams;
    std::unique_ptr<StateWriter> m_writer;
    std::unique_ptr<HttpServer> m_server;
    std::thread m_listener;
    int m_port = -1;
};

} // namespace websb
