#include "platform/net/Socket.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace tarvex::platform {
namespace {

sockaddr_in toAddress(std::uint32_t address, int port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(static_cast<std::uint16_t>(port));
    return result;
}

// poll() that resumes after signals, counting down the time left.
int pollFor(std::span<pollfd> fds, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
        if (ready >= 0 || errno != EINTR) {
            return ready;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        timeoutMs = std::max(0, static_cast<int>(left.count()));
    }
}

} // namespace

const Type& Socket::staticType() {
    static const Type& type = TypeBuilder<Socket>("Socket")
                                  .field("_tcp", &Socket::_tcp)
                                  .field("_remoteIp", &Socket::_remoteIp)
                                  .field("_remotePort", &Socket::_remotePort)
                                  .noFactory()
                                  .build();
    return type;
}

Socket::~Socket() {
    close();
}

Ref<Socket> Socket::_adopt(int fd, bool tcp) {
    if (fd < 0) {
        return nullptr;
    }
    auto socket = std::make_shared<Socket>();
    socket->_fd = fd;
    socket->_tcp = tcp;
    return socket;
}

Ref<Socket> Socket::createTcp() {
    return _adopt(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), true);
}

Ref<Socket> Socket::createUdp() {
    return _adopt(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0), false);
}

bool Socket::bind(std::uint32_t address, int port) {
    if (_fd < 0 || port < 0 || port > 65535) {
        return false;
    }
    // A restarted server may take its port back while old connections linger in TIME_WAIT.
    const int on = 1;
    (void)::setsockopt(_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const auto where = toAddress(address, port);
    return ::bind(_fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0;
}

bool Socket::listen(int backlog) {
    return _fd >= 0 && ::listen(_fd, backlog > 0 ? backlog : SOMAXCONN) == 0;
}

Ref<Socket> Socket::accept(int timeoutMs) {
    if (_fd < 0 || !_tcp) {
        return nullptr;
    }
    pollfd fd{_fd, POLLIN, 0};
    if (pollFor(std::span(&fd, 1), std::max(0, timeoutMs)) <= 0) {
        return nullptr;
    }
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int accepted = ::accept4(_fd, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_CLOEXEC);
    auto socket = _adopt(accepted, true);
    if (socket) {
        socket->_remoteIp = ntohl(peer.sin_addr.s_addr);
        socket->_remotePort = ntohs(peer.sin_port);
    }
    return socket;
}

bool Socket::connect(std::uint32_t address, int port) {
    if (_fd < 0 || port < 0 || port > 65535) {
        return false;
    }
    const auto where = toAddress(address, port);
    int result = 0;
    do {
        result = ::connect(_fd, reinterpret_cast<const sockaddr*>(&where), sizeof where);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return false;
    }
    _remoteIp = address;
    _remotePort = port;
    _peerClosed = false;
    return true;
}

void Socket::setNoDelay(bool on) {
    if (_fd >= 0 && _tcp) {
        const int value = on ? 1 : 0;
        (void)::setsockopt(_fd, IPPROTO_TCP, TCP_NODELAY, &value, sizeof value);
    }
}

std::size_t Socket::send(std::span<const std::uint8_t> bytes) {
    std::size_t sent = 0;
    while (_fd >= 0 && sent < bytes.size()) {
        // MSG_NOSIGNAL: a peer that went away is an error to report, not a SIGPIPE to die of.
        const auto wrote = ::send(_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            _peerClosed = true;
            break;
        }
        sent += static_cast<std::size_t>(wrote);
    }
    return sent;
}

std::size_t Socket::receive(std::span<std::uint8_t> buffer) {
    if (_fd < 0 || buffer.empty() || _peerClosed) {
        return 0;
    }
    while (true) {
        const auto got = ::recv(_fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (got > 0) {
            return static_cast<std::size_t>(got);
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // An orderly end of the stream, or a failed connection; "nothing yet" is neither.
        const bool ended = got == 0 ? _tcp : (errno != EAGAIN && errno != EWOULDBLOCK);
        if (ended) {
            _peerClosed = true;
        }
        return 0;
    }
}

bool Socket::receiveExactly(std::span<std::uint8_t> buffer, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t have = 0;
    while (have < buffer.size()) {
        const auto got = receive(buffer.subspan(have));
        have += got;
        if (have == buffer.size()) {
            break;
        }
        if (_peerClosed || _fd < 0) {
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0 || (got == 0 && !waitReadable(static_cast<int>(left)))) {
            return false;
        }
    }
    return true;
}

std::size_t Socket::available() const {
    int count = 0;
    if (_fd < 0 || ::ioctl(_fd, FIONREAD, &count) != 0 || count < 0) {
        return 0;
    }
    return static_cast<std::size_t>(count);
}

bool Socket::waitReadable(int timeoutMs) const {
    if (_fd < 0) {
        return false;
    }
    pollfd fd{_fd, POLLIN, 0};
    return pollFor(std::span(&fd, 1), std::max(0, timeoutMs)) > 0;
}

bool Socket::isConnected() {
    if (_fd < 0 || _peerClosed) {
        return false;
    }
    if (!_tcp) {
        return _remotePort != 0;
    }
    pollfd fd{_fd, POLLIN | POLLRDHUP, 0};
    if (pollFor(std::span(&fd, 1), 0) <= 0) {
        return true;
    }
    if ((fd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        _peerClosed = true;
        return false;
    }
    // Readable: data, or the end of the stream when nothing is left to read.
    std::uint8_t probe = 0;
    const auto got = ::recv(_fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        _peerClosed = true;
        return false;
    }
    return true;
}

void Socket::close() {
    if (_fd >= 0) {
        ::close(_fd);
        _fd = -1;
    }
}

int Socket::localPort() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (_fd < 0 || ::getsockname(_fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

bool Socket::waitAnyReadable(std::span<Socket* const> sockets, int timeoutMs) {
    std::vector<pollfd> fds;
    fds.reserve(sockets.size());
    for (const Socket* socket : sockets) {
        if (socket != nullptr && socket->_fd >= 0) {
            fds.push_back({socket->_fd, POLLIN, 0});
        }
    }
    if (fds.empty()) {
        return false;
    }
    return pollFor(fds, std::max(0, timeoutMs)) > 0;
}

std::optional<std::uint32_t> resolveHost(const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    in_addr numeric{};
    if (::inet_pton(AF_INET, name.c_str(), &numeric) == 1) {
        return ntohl(numeric.s_addr);
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t result = ntohl(address->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return result;
}

std::string ipToText(std::uint32_t address) {
    return std::to_string((address >> 24) & 255) + "." + std::to_string((address >> 16) & 255) +
           "." + std::to_string((address >> 8) & 255) + "." + std::to_string(address & 255);
}

} // namespace tarvex::platform
