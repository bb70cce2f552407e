// Network tests on the loopback interface only: servers listen on 127.0.0.1, on a port the
// system picks (so that tests running in parallel never collide), and every wait is bounded in
// rounds and in time.
#pragma once

#include "network/BaseGameServer.hpp"
#include "platform/net/Socket.hpp"

#include <chrono>
#include <functional>

namespace tarvex::testing {

// Listens on 127.0.0.1 on a free port chosen by the system; answers the port.
int listenOnLoopback(BaseGameServer& server);
// Listens on 127.0.0.1 on a free port no higher than `highest` (ServerConnection refuses
// ports above 32766, which the system's own choice always is); 0 when none was free.
int listenOnLoopbackBelow(BaseGameServer& server, int highest = 32766);
// A TCP socket connected to 127.0.0.1:port, or null.
[[nodiscard]] Ref<platform::Socket> connectLoopback(int port);

// Runs server.process in short slices until `done` answers true; false when it did not within
// `rounds` slices or `limit` of wall time.
bool processUntil(BaseGameServer& server, const std::function<bool()>& done, int rounds = 2000,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));

} // namespace tarvex::testing
