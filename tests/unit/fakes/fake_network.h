#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/network.h"

// A network made of scripted replies and a resolver made of a table.
class FakeNetwork : public Network {
  public:
    static constexpr std::uint32_t TIMED_OUT = 11010;
    static constexpr int HOST_NOT_FOUND = 11001;

    struct Echo {
        IPv4Address destination;
        std::int32_t timeoutMs;
    };
    struct Connection {
        IPv4Address destination;
        std::uint16_t port;
        std::int32_t timeoutMs;
    };

    // The address as inet_addr gives it: the four bytes in text order.
    static IPv4Address Address(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
    {
        return a | b << 8 | c << 16 | static_cast<IPv4Address>(d) << 24;
    }
    static EchoReply Answer(std::uint32_t milliseconds) { return {ECHO_ANSWERED, milliseconds}; }
    static EchoReply NoAnswer() { return {TIMED_OUT, 0}; }

    std::unique_ptr<EchoSession> OpenSession() override
    {
        if (!icmpAvailable)
            return nullptr;
        ++sessionsOpened;
        return std::make_unique<Session>(*this);
    }
    std::optional<IPv4Address> DottedAddress(const char* text) override
    {
        unsigned a, b, c, d;
        char rest;
        if (std::sscanf(text, "%3u.%3u.%3u.%3u%c", &a, &b, &c, &d, &rest) != 4 || a > 255 || b > 255 ||
            c > 255 || d > 255)
            return std::nullopt;
        return Address(a, b, c, d);
    }
    HostLookup LookUpHost(const char* name) override
    {
        lookups.push_back(name);
        if (resolverStartError != 0)
            return {HostLookupStatus::StartFailed, 0, resolverStartError};
        auto it = names.find(name);
        if (it == names.end())
            return {HostLookupStatus::NameFailed, 0, HOST_NOT_FOUND};
        return {HostLookupStatus::Resolved, it->second, 0};
    }
    // No UTF-16 name resolves.
    HostLookup LookUpHostUtf16(const char16_t* name) override
    {
        lookupsUtf16.push_back(name);
        return {HostLookupStatus::NameFailed, 0, HOST_NOT_FOUND};
    }
    PortConnection ConnectToPort(IPv4Address destination, std::uint16_t port, std::int32_t timeoutMs) override
    {
        connections.push_back({destination, port, timeoutMs});
        auto it = ports.find(destination);
        return it == ports.end() ? PortConnection{} : it->second;
    }
    // What each destination answers, attempt by attempt; an attempt beyond
    // the script goes unanswered.
    std::map<IPv4Address, std::deque<EchoReply>> replies;
    std::map<std::string, IPv4Address> names;
    // What a connection to each destination gives; no answer when not given.
    std::map<IPv4Address, PortConnection> ports;
    bool icmpAvailable = true;
    // A session that throws on its first echo, as a failing platform might.
    bool echoThrows = false;
    // The error of a resolver that cannot be started; 0 when it starts.
    int resolverStartError = 0;

    std::vector<Echo> sent;
    std::vector<Connection> connections;
    std::vector<std::string> lookups;
    std::vector<std::u16string> lookupsUtf16;
    int sessionsOpened = 0;
    int sessionsClosed = 0;
    std::function<void()> onSessionClosed;

  private:
    class Session : public EchoSession {
      public:
        explicit Session(FakeNetwork& network) : network_(network) {}
        ~Session() override
        {
            ++network_.sessionsClosed;
            if (network_.onSessionClosed)
                network_.onSessionClosed();
        }
        EchoReply SendEcho(IPv4Address destination, std::int32_t timeoutMs) override
        {
            if (network_.echoThrows)
                throw std::runtime_error("echo failed");
            network_.sent.push_back({destination, timeoutMs});
            std::deque<EchoReply>& script = network_.replies[destination];
            if (script.empty())
                return NoAnswer();
            EchoReply reply = script.front();
            script.pop_front();
            return reply;
        }

      private:
        FakeNetwork& network_;
    };
};
