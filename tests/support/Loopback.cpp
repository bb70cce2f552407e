#include "support/Loopback.hpp"

#include "core/Error.hpp"

#include <unistd.h>

namespace tarvex::testing {

int listenOnLoopback(BaseGameServer& server) {
    server.setBindAddress(platform::Socket::LOOPBACK);
    server.startListening(0);
    return server.getPortNumber();
}

int listenOnLoopbackBelow(BaseGameServer& server, int highest) {
    server.setBindAddress(platform::Socket::LOOPBACK);
    constexpr int lowest = 20000;
    const int span = highest - lowest + 1;
    // Start somewhere different in each process, then walk on.
    const int start = static_cast<int>(::getpid() * 7919 % span);
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int port = lowest + (start + attempt * 131) % span;
        try {
            server.startListening(port);
            return port;
        } catch (const Error&) {
            // in use: try the next
        }
    }
    return 0;
}

Ref<platform::Socket> connectLoopback(int port) {
    auto socket = platform::Socket::createTcp();
    if (!socket || !socket->connect(platform::Socket::LOOPBACK, port)) {
        return nullptr;
    }
    return socket;
}

bool processUntil(BaseGameServer& server, const std::function<bool()>& done, int rounds,
                  std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (int round = 0; round < rounds && std::chrono::steady_clock::now() < deadline; ++round) {
        if (done()) {
            return true;
        }
        server.process(5);
    }
    return done();
}

} // namespace tarvex::testing
