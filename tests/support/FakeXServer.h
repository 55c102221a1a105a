#pragma once

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace FakeX {

// --- an X server's answers to a client's setup request, in the client's
// (this machine's) byte order ------------------------------------------------

inline std::string Bytes(std::size_t count)
{
    return std::string(count, '\0');
}
inline void Put16(std::string& bytes, std::size_t at, std::uint16_t value)
{
    std::memcpy(&bytes[at], &value, 2);
}
inline void Put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    std::memcpy(&bytes[at], &value, 4);
}
inline std::string Padded(std::string text)
{
    return text.append((4 - text.size() % 4) % 4, '\0');
}

// The server will not let us in; its reason is at most 255 bytes.
inline std::string Failed(const std::string& reason)
{
    std::string reply = Bytes(8);
    reply[1] = static_cast<char>(reason.size());
    Put16(reply, 2, 11);
    Put16(reply, 6, static_cast<std::uint16_t>(Padded(reason).size() / 4));
    return reply + Padded(reason);
}

// The server asks for more authentication, with a reason of any length.
inline std::string Authenticate(const std::string& reason)
{
    std::string reply = Bytes(8);
    reply[0] = 2;
    Put16(reply, 6, static_cast<std::uint16_t>(Padded(reason).size() / 4));
    return reply + Padded(reason);
}

// The server lets us in: the smallest setup there is, with one screen.
inline std::string Accepted()
{
    std::string reply = Bytes(8 + 32 + 40);
    reply[0] = 1;
    Put16(reply, 2, 11);
    Put16(reply, 6, (32 + 40) / 4);
    Put32(reply, 12, 0x00200000); // resource ids: base
    Put32(reply, 16, 0x001fffff); // and mask
    Put16(reply, 26, 0xffff); // longest request
    reply[28] = 1; // screens
    reply[34] = 8; // keycodes
    reply[35] = static_cast<char>(255);
    Put32(reply, 40, 0x100); // the screen's root window
    Put16(reply, 60, 640);
    Put16(reply, 62, 480);
    reply[78] = 24; // root depth
    return reply;
}

// --- where a server listens --------------------------------------------------

inline int Socket(int family)
{
    return ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

// The well-known local socket of display n, in the abstract namespace, where
// X clients on Linux look first; nothing is made in the file system.
inline int BindAbstract(int n)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string name = "/tmp/.X11-unix/X" + std::to_string(n);
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const int fd = Socket(AF_UNIX);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// The TCP port of display n on the loopback address, IPv4 or IPv6; -2 where
// the machine has no such address.
inline int BindTcp(int n, bool six)
{
    const int fd = Socket(six ? AF_INET6 : AF_INET);
    const auto port = static_cast<std::uint16_t>(6000 + n);
    int bound;
    if (six) {
        sockaddr_in6 address {};
        address.sin6_family = AF_INET6;
        address.sin6_port = htons(port);
        address.sin6_addr = in6addr_loopback;
        bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    } else {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    if (bound == 0)
        return fd;
    const int why = errno;
    ::close(fd);
    return six && (why == EADDRNOTAVAIL || why == EAFNOSUPPORT) ? -2 : -1;
}

// How a client reaches the server: its local socket, or TCP.
enum class Transport { Local, Tcp };

} // namespace FakeX

// An X server of our own for display `Number()`, on its abstract socket and
// its loopback TCP ports, that answers a client's setup request with the
// replies it is given, on the one transport it is told; a client that comes
// by the other is hung up on at once. Display `Unreachable()` is held too,
// bound but not listening, so that no one answers there. Both numbers were
// free: no socket file, nothing bound.
class FakeXServer {
public:
    FakeXServer()
    {
        for (int n = 300; n < 1000 && number_ < 0; ++n) {
            if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n)))
                continue;
            std::vector<int> held { FakeX::BindAbstract(n), FakeX::BindTcp(n, false), FakeX::BindTcp(n, true) };
            if (std::find(held.begin(), held.end(), -1) != held.end()) {
                Close(held);
                continue;
            }
            std::erase(held, -2);
            if (unreachable_ < 0) {
                unreachable_ = n;
                silent_ = held;
            } else {
                number_ = n;
                for (std::size_t i = 0; i < held.size(); ++i)
                    listening_.push_back({ held[i], i == 0 ? FakeX::Transport::Local : FakeX::Transport::Tcp });
            }
        }
        for (const auto& [fd, transport] : listening_)
            ::listen(fd, 4);
        if (::pipe2(stop_, O_CLOEXEC) != 0)
            stop_[0] = stop_[1] = -1;
    }
    ~FakeXServer()
    {
        Stop();
        Close({ stop_[0], stop_[1] });
        for (const auto& [fd, transport] : listening_)
            ::close(fd);
        Close(silent_);
    }
    FakeXServer(const FakeXServer&) = delete;
    FakeXServer& operator=(const FakeXServer&) = delete;

    bool Ready() const { return number_ >= 0 && unreachable_ >= 0 && stop_[0] >= 0; }
    int Number() const { return number_; }
    int Unreachable() const { return unreachable_; }

    // Answers the clients that come by the transport one after the other,
    // until Stop: the first with the first reply, the next with the next,
    // and every client after the last reply with that reply again. With no
    // replies (or an empty one), a client is hung up on.
    void Answer(std::vector<std::string> replies, FakeX::Transport by)
    {
        answering_ = std::thread([this, replies, by] {
            std::vector<pollfd> polled { { stop_[0], POLLIN, 0 } };
            for (const auto& [fd, transport] : listening_)
                polled.push_back({ fd, POLLIN, 0 });
            std::size_t served = 0;
            while (::poll(polled.data(), polled.size(), -1) > 0 && !polled[0].revents) {
                for (std::size_t i = 1; i < polled.size(); ++i) {
                    if (!(polled[i].revents & POLLIN))
                        continue;
                    const int client = ::accept4(polled[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
                    if (listening_[i - 1].second == by)
                        Serve(client, replies.empty() ? "" : replies[std::min(served++, replies.size() - 1)]);
                    else if (client >= 0)
                        ::close(client);
                }
            }
        });
    }
    void Stop()
    {
        if (!answering_.joinable())
            return;
        const char stop = 0;
        if (::write(stop_[1], &stop, 1) == 1)
            answering_.join();
        char stopped;
        while (::read(stop_[0], &stopped, 1) != 1) { }
    }

private:
    // Reads the client's setup request, answers it, and waits for the
    // client to hang up (or for Stop).
    void Serve(int client, const std::string& reply)
    {
        if (client < 0)
            return;
        if (reply.empty()) {
            ::close(client);
            return;
        }
        std::string request = FakeX::Bytes(12);
        if (ReadAll(client, request)) {
            std::uint16_t nameLength, dataLength;
            std::memcpy(&nameLength, &request[6], 2);
            std::memcpy(&dataLength, &request[8], 2);
            std::string authorization
                = FakeX::Padded(FakeX::Bytes(nameLength)) + FakeX::Padded(FakeX::Bytes(dataLength));
            if (ReadAll(client, authorization))
                WriteAll(client, reply);
        }
        pollfd polled[] = { { client, POLLIN, 0 }, { stop_[0], POLLIN, 0 } };
        char rest[256];
        while (::poll(polled, 2, -1) > 0 && !polled[1].revents && ::read(client, rest, sizeof rest) > 0) { }
        ::close(client);
    }

    static void Close(const std::vector<int>& fds)
    {
        for (int fd : fds)
            if (fd >= 0)
                ::close(fd);
    }
    static bool ReadAll(int fd, std::string& bytes)
    {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }
    static void WriteAll(int fd, const std::string& bytes)
    {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::send(fd, &bytes[done], bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            done += static_cast<std::size_t>(n);
        }
    }

    int number_ = -1;
    int unreachable_ = -1;
    std::vector<std::pair<int, FakeX::Transport>> listening_;
    std::vector<int> silent_;
    int stop_[2] = { -1, -1 };
    std::thread answering_;
};
