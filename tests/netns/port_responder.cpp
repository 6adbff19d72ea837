// The game port of the namespace test hosts, in one of two ways:
//
//   velnor-port-responder listen READY_FILE COUNT_FILE
//     takes every connection to port 6112 and closes it at once, keeping
//     the number taken so far in COUNT_FILE, so that a test can tell how
//     many connections a host saw;
//   velnor-port-responder syn DELAY_MS ADDRESS READY_FILE
//     answers on eth0, for an address that the namespace's kernel does not
//     own (so that it sends no reset of its own), ARP requests at once and
//     each SYN to port 6112 with a SYN-ACK after the delay: a handshake
//     that takes a known time, since the kernel here has no netem.
//
// READY_FILE receives the process id once the socket is open; the
// responder runs until it is terminated.

#include <arpa/inet.h>
#include <net/ethernet.h>
#include <net/if.h>
#include <netinet/if_ether.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/tcp.h>
#include <netpacket/packet.h>
#include <poll.h>
#include <sys/ioctl.h>
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

constexpr std::uint16_t GAME_PORT = 6112;
const char* const DEVICE = "eth0";

using Clock = std::chrono::steady_clock;
using Frame = std::vector<std::uint8_t>;

int Listen(const char* readyFile, const char* countFile)
{
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    int reuse = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(GAME_PORT);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 64) != 0) {
        std::perror("listen on the game port");
        return 1;
    }
    std::ofstream(countFile) << 0 << '\n';
    std::ofstream(readyFile) << getpid() << '\n';
    for (long taken = 1;; ++taken) {
        int connection = accept(listener, nullptr, nullptr);
        if (connection < 0)
            continue;
        close(connection);
        std::ofstream(countFile) << taken << '\n';
    }
}

struct Responder {
    int sock;
    int device;
    std::uint8_t mac[ETH_ALEN];
    in_addr_t address;
};

// The ARP reply to a request for the address, or nothing.
Frame ArpReply(const Responder& responder, const std::uint8_t* frame, std::size_t size)
{
    if (size < sizeof(ether_header) + sizeof(ether_arp))
        return {};
    ether_arp request;
    std::memcpy(&request, frame + sizeof(ether_header), sizeof request);
    if (ntohs(request.arp_op) != ARPOP_REQUEST || std::memcmp(request.arp_tpa, &responder.address, 4) != 0)
        return {};
    Frame reply(sizeof(ether_header) + sizeof(ether_arp));
    ether_header ethernet{};
    std::memcpy(ethernet.ether_dhost, request.arp_sha, ETH_ALEN);
    std::memcpy(ethernet.ether_shost, responder.mac, ETH_ALEN);
    ethernet.ether_type = htons(ETHERTYPE_ARP);
    ether_arp answer = request;
    answer.arp_op = htons(ARPOP_REPLY);
    std::memcpy(answer.arp_sha, responder.mac, ETH_ALEN);
    std::memcpy(answer.arp_spa, &responder.address, 4);
    std::memcpy(answer.arp_tha, request.arp_sha, ETH_ALEN);
    std::memcpy(answer.arp_tpa, request.arp_spa, 4);
    std::memcpy(reply.data(), &ethernet, sizeof ethernet);
    std::memcpy(reply.data() + sizeof ethernet, &answer, sizeof answer);
    return reply;
}

// The SYN-ACK to a SYN for the game port of the address, or nothing.
Frame SynAck(const Responder& responder, const std::uint8_t* frame, std::size_t size)
{
    if (size < sizeof(ether_header) + sizeof(iphdr))
        return {};
    ether_header ethernet;
    std::memcpy(&ethernet, frame, sizeof ethernet);
    iphdr ip;
    std::memcpy(&ip, frame + sizeof ethernet, sizeof ip);
    const std::size_t ipSize = static_cast<std::size_t>(ip.ihl) * 4;
    if (ip.protocol != IPPROTO_TCP || ip.daddr != responder.address ||
        size < sizeof ethernet + ipSize + sizeof(tcphdr))
        return {};
    tcphdr syn;
    std::memcpy(&syn, frame + sizeof ethernet + ipSize, sizeof syn);
    if (!syn.syn || syn.ack || ntohs(syn.dest) != GAME_PORT)
        return {};

    tcphdr tcp{};
    tcp.source = syn.dest;
    tcp.dest = syn.source;
    tcp.seq = htonl(0x56454c4e);
    tcp.ack_seq = htonl(ntohl(syn.seq) + 1);
    tcp.doff = sizeof tcp / 4;
    tcp.syn = 1;
    tcp.ack = 1;
    tcp.window = htons(65535);
    std::uint8_t pseudo[12];
    std::memcpy(pseudo, &responder.address, 4);
    std::memcpy(pseudo + 4, &ip.saddr, 4);
    pseudo[8] = 0;
    pseudo[9] = IPPROTO_TCP;
    pseudo[10] = 0;
    pseudo[11] = sizeof tcp;
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < sizeof pseudo; i += 2)
        sum += static_cast<std::uint32_t>(pseudo[i] << 8 | pseudo[i + 1]);
    tcp.check = Checksum(reinterpret_cast<const std::uint8_t*>(&tcp), sizeof tcp, sum);

    iphdr answer{};
    answer.version = 4;
    answer.ihl = sizeof answer / 4;
    answer.tot_len = htons(sizeof answer + sizeof tcp);
    answer.frag_off = htons(IP_DF);
    answer.ttl = 64;
    answer.protocol = IPPROTO_TCP;
    answer.saddr = responder.address;
    answer.daddr = ip.saddr;
    answer.check = Checksum(reinterpret_cast<const std::uint8_t*>(&answer), sizeof answer);

    ether_header back{};
    std::memcpy(back.ether_dhost, ethernet.ether_shost, ETH_ALEN);
    std::memcpy(back.ether_shost, responder.mac, ETH_ALEN);
    back.ether_type = htons(ETHERTYPE_IP);
    Frame reply(sizeof back + sizeof answer + sizeof tcp);
    std::memcpy(reply.data(), &back, sizeof back);
    std::memcpy(reply.data() + sizeof back, &answer, sizeof answer);
    std::memcpy(reply.data() + sizeof back + sizeof answer, &tcp, sizeof tcp);
    return reply;
}

void Send(const Responder& responder, const Frame& frame)
{
    sockaddr_ll to{};
    to.sll_family = AF_PACKET;
    to.sll_ifindex = responder.device;
    to.sll_halen = ETH_ALEN;
    std::memcpy(to.sll_addr, frame.data(), ETH_ALEN);
    sendto(responder.sock, frame.data(), frame.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

struct PendingFrame {
    Clock::time_point due;
    Frame frame;
};

// Waits for a frame or the time of the first pending one; nanosecond
// timeouts, so that no delay is rounded up to the next millisecond.
void WaitForFrameOrTime(int sock, const std::deque<PendingFrame>& pending)
{
    pollfd readable{sock, POLLIN, 0};
    if (pending.empty()) {
        ppoll(&readable, 1, nullptr, nullptr);
        return;
    }
    auto left =
        std::chrono::duration_cast<std::chrono::nanoseconds>(pending.front().due - Clock::now()).count();
    if (left <= 0)
        return;
    timespec timeout{static_cast<time_t>(left / 1000000000), static_cast<long>(left % 1000000000)};
    ppoll(&readable, 1, &timeout, nullptr);
}

void Receive(const Responder& responder, std::chrono::milliseconds delay, std::deque<PendingFrame>& pending)
{
    std::uint8_t frame[65536];
    sockaddr_ll from{};
    socklen_t fromSize = sizeof from;
    ssize_t size = recvfrom(responder.sock, frame, sizeof frame, MSG_DONTWAIT,
                            reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (size < static_cast<ssize_t>(sizeof(ether_header)) || from.sll_pkttype == PACKET_OUTGOING)
        return;
    const auto length = static_cast<std::size_t>(size);
    if (ntohs(from.sll_protocol) == ETHERTYPE_ARP) {
        Frame reply = ArpReply(responder, frame, length);
        if (!reply.empty())
            Send(responder, reply);
    } else if (ntohs(from.sll_protocol) == ETHERTYPE_IP) {
        Frame reply = SynAck(responder, frame, length);
        if (!reply.empty())
            pending.push_back({Clock::now() + delay, std::move(reply)});
    }
}

int AnswerSyns(std::chrono::milliseconds delay, const char* address, const char* readyFile)
{
    Responder responder{};
    responder.sock = socket(AF_PACKET, SOCK_RAW, htons(ETH_P_ALL));
    responder.device = static_cast<int>(if_nametoindex(DEVICE));
    ifreq request{};
    std::strncpy(request.ifr_name, DEVICE, IFNAMSIZ - 1);
    if (responder.sock < 0 || responder.device == 0 || ioctl(responder.sock, SIOCGIFHWADDR, &request) != 0 ||
        inet_pton(AF_INET, address, &responder.address) != 1) {
        std::perror("packet socket on eth0");
        return 1;
    }
    std::memcpy(responder.mac, request.ifr_hwaddr.sa_data, ETH_ALEN);
    sockaddr_ll bound{};
    bound.sll_family = AF_PACKET;
    bound.sll_protocol = htons(ETH_P_ALL);
    bound.sll_ifindex = responder.device;
    bind(responder.sock, reinterpret_cast<sockaddr*>(&bound), sizeof bound);
    std::ofstream(readyFile) << getpid() << '\n';
    std::deque<PendingFrame> pending;
    for (;;) {
        WaitForFrameOrTime(responder.sock, pending);
        Receive(responder, delay, pending);
        while (!pending.empty() && pending.front().due <= Clock::now()) {
            Send(responder, pending.front().frame);
            pending.pop_front();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "listen" && argc == 4)
        return Listen(argv[2], argv[3]);
    if (mode == "syn" && argc == 5)
        return AnswerSyns(std::chrono::milliseconds(std::atoi(argv[2])), argv[3], argv[4]);
    std::fprintf(stderr, "usage: %s listen READY_FILE COUNT_FILE | syn DELAY_MS ADDRESS READY_FILE\n",
                 argv[0]);
    return 2;
}
