// Answers ICMP echo requests after a fixed delay, on a raw socket, inside a
// network namespace whose kernel does not answer them itself. The test
// hosts need replies that come late by a known amount, and the kernel here
// has no netem to delay them.
//
// Usage: velnor-echo-responder DELAY_MS READY_FILE
// READY_FILE is created once the socket is open; the responder runs until
// it is terminated.

#include <arpa/inet.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "internet_checksum.h"

namespace {

using Clock = std::chrono::steady_clock;

struct PendingReply {
    Clock::time_point due;
    sockaddr_in to;
    std::vector<std::uint8_t> message;
};

// The echo reply to a received datagram (IP header included), or nothing
// when it is no echo request.
std::vector<std::uint8_t> ReplyTo(const std::uint8_t* packet, std::size_t size)
{
    if (size < sizeof(ip))
        return {};
    std::size_t headerSize = static_cast<std::size_t>(reinterpret_cast<const ip*>(packet)->ip_hl) * 4;
    if (size < headerSize + ICMP_MINLEN || packet[headerSize] != ICMP_ECHO)
        return {};
    std::vector<std::uint8_t> reply(packet + headerSize, packet + size);
    reply[0] = ICMP_ECHOREPLY;
    reply[2] = reply[3] = 0;
    std::uint16_t sum = Checksum(reply.data(), reply.size());
    std::memcpy(&reply[2], &sum, sizeof sum);
    return reply;
}

// Waits until the socket has a datagram or the time has come, whichever is
// first; nanosecond timeouts, so that no delay is rounded up to the next
// millisecond.
void WaitForPacketOrTime(int sock, const Clock::time_point* due)
{
    pollfd readable{sock, POLLIN, 0};
    if (due == nullptr) {
        ppoll(&readable, 1, nullptr, nullptr);
        return;
    }
    auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(*due - Clock::now()).count();
    if (left <= 0)
        return;
    timespec timeout{static_cast<time_t>(left / 1000000000), static_cast<long>(left % 1000000000)};
    ppoll(&readable, 1, &timeout, nullptr);
}

void SendDue(int sock, std::deque<PendingReply>& pending)
{
    while (!pending.empty() && pending.front().due <= Clock::now()) {
        const PendingReply& reply = pending.front();
        sendto(sock, reply.message.data(), reply.message.size(), 0,
               reinterpret_cast<const sockaddr*>(&reply.to), sizeof reply.to);
        pending.pop_front();
    }
}

void Receive(int sock, std::chrono::milliseconds delay, std::deque<PendingReply>& pending)
{
    std::uint8_t packet[65536];
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    ssize_t size =
        recvfrom(sock, packet, sizeof packet, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (size <= 0)
        return;
    std::vector<std::uint8_t> reply = ReplyTo(packet, static_cast<std::size_t>(size));
    if (!reply.empty())
        pending.push_back({Clock::now() + delay, from, std::move(reply)});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DELAY_MS READY_FILE\n", argv[0]);
        return 2;
    }
    std::chrono::milliseconds delay(std::atoi(argv[1]));
    int sock = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
    if (sock < 0) {
        std::perror("raw ICMP socket");
        return 1;
    }
    std::ofstream(argv[2]) << getpid() << '\n';
    std::deque<PendingReply> pending;
    for (;;) {
        WaitForPacketOrTime(sock, pending.empty() ? nullptr : &pending.front().due);
        Receive(sock, delay, pending);
        SendDue(sock, pending);
    }
}
