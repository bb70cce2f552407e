// Stream and datagram sockets over IPv4, and host-name lookup: the little the framework's
// network layer needs of the operating system, behind one class so that nothing above the
// platform calls the OS directly. Addresses are IPv4 numbers in host order (127.0.0.1 is
// 0x7F000001).
//
//     auto server = Socket::createTcp();
//     server->bind(LOOPBACK, 0);             // port 0: the system picks a free one
//     server->listen(0);
//     auto peer = server->accept(100);       // null when nobody connected within 100 ms
//     std::uint8_t buffer[512];
//     const auto got = peer->receive(buffer); // whatever has arrived, without waiting
//
// A socket is closed when its last reference goes. One socket is used by one thread at a time;
// different sockets may be used on different threads at once.
#pragma once

#include "core/Object.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarvex::platform {

class Socket : public Object {
    TARVEX_OBJECT(Socket, Object)
public:
    static constexpr std::uint32_t ANY_ADDRESS = 0;
    static constexpr std::uint32_t LOOPBACK = 0x7F000001;

    Socket() = default;
    ~Socket() override;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // A new unconnected socket; null when the system has none to give.
    [[nodiscard]] static Ref<Socket> createTcp();
    [[nodiscard]] static Ref<Socket> createUdp();

    [[nodiscard]] bool isTcp() const { return _tcp; }
    [[nodiscard]] bool isOpen() const { return _fd >= 0; }

    // Binds to the address and port (0: any free port; localPort() tells which).
    bool bind(std::uint32_t address, int port);
    // A backlog of 0 or less asks for the system's default queue length: a queue of one
    // would refuse a burst of clients connecting together.
    bool listen(int backlog);
    // The next pending connection, waiting at most `timeoutMs` (0: only one already there).
    [[nodiscard]] Ref<Socket> accept(int timeoutMs);
    // Blocking connect (for UDP: sets the default peer).
    bool connect(std::uint32_t address, int port);
    // Small writes go out at once instead of being gathered (Nagle's algorithm off).
    void setNoDelay(bool on);

    // Sends every byte, waiting while the system's buffer is full; answers how many were sent
    // (fewer only when the connection failed).
    std::size_t send(std::span<const std::uint8_t> bytes);
    // Whatever has arrived, up to the buffer's size, without waiting; 0 when nothing has.
    // A peer that closed (or a failed connection) is remembered: isConnected() turns false.
    std::size_t receive(std::span<std::uint8_t> buffer);
    // Fills the whole buffer, waiting at most `timeoutMs` in all; false when the time ran out
    // or the connection ended first (what was read is then lost).
    bool receiveExactly(std::span<std::uint8_t> buffer, int timeoutMs);
    // Bytes that can be read at once.
    [[nodiscard]] std::size_t available() const;
    // Waits at most `timeoutMs` for bytes (or the end of the connection) to read.
    [[nodiscard]] bool waitReadable(int timeoutMs) const;
    // Open and not known to be closed by the peer. Looks at the connection without reading.
    [[nodiscard]] bool isConnected();
    void close();

    [[nodiscard]] int localPort() const;
    [[nodiscard]] std::uint32_t remoteIp() const { return _remoteIp; }
    [[nodiscard]] int remotePort() const { return _remotePort; }

    // Waits at most `timeoutMs` until one of the sockets can be read (or accept); answers
    // whether one can. Closed sockets and nulls are ignored.
    [[nodiscard]] static bool waitAnyReadable(std::span<Socket* const> sockets, int timeoutMs);

private:
    Socket(int fd, bool tcp) : _fd(fd), _tcp(tcp) {}
    [[nodiscard]] static Ref<Socket> _adopt(int fd, bool tcp);

    int _fd = -1;
    bool _tcp = true;
    bool _peerClosed = false;
    std::uint32_t _remoteIp = 0;
    int _remotePort = 0;
};

// The IPv4 address of a host name or dotted quad; nothing when it does not resolve.
[[nodiscard]] std::optional<std::uint32_t> resolveHost(const std::string& name);
// Dotted-quad text of an address.
[[nodiscard]] std::string ipToText(std::uint32_t address);

} // namespace tarvex::platform
