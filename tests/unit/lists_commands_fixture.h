#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_main_window.h"
#include "ping/ping_schedule.h"
#include "res/resource.h"
#include "ui/manager_commands.h"

// The main window's commands on an in-memory machine whose "Server List"
// holds two loopback servers and whose private file holds three servers.
struct ListCommandsTest : ::testing::Test, FakeMainWindow {
    static constexpr const char* PATH = "C:\\WINDOWS\\VELNOR.INI";

    ListCommandsTest()
    {
        registry.Put(RegistryRoot::LocalMachine, "Software\\Battle.Net\\Configuration", "Server List",
                     "127.0.0.1;127.0.0.2");
        files.files[PATH] = "127.0.0.10           ten\r\n"
                            "127.0.0.11           eleven\r\n"
                            "127.0.0.12           twelve\r\n";
        commands.InitServerView();
    }

    std::vector<std::string> ShownServers() const { return view.Column(COLUMN_SERVER); }
    bool EditingEnabled() const
    {
        bool add = user.IsEnabled(IDC_ADD_SERVER);
        EXPECT_EQ(add, user.IsEnabled(IDC_DELETE_SERVER));
        return add;
    }
    int Saves() const
    {
        int saves = 0;
        for (const std::string& call : files.calls)
            saves += call.rfind("write ", 0) == 0;
        return saves;
    }
    std::string File() const { return files.files.at(PATH); }
    // Pings the list shown: each server given answers every echo in its
    // time, the others none; a name that is no address resolves to a test
    // host of its own.
    void PingShownList(const std::map<std::string, std::uint32_t>& answers)
    {
        for (const auto& [server, milliseconds] : answers) {
            std::optional<IPv4Address> address = network.DottedAddress(server.c_str());
            if (!address)
                address = network.names[server] = FakeNetwork::Address(198, 18, 1, 1 + network.names.size());
            network.replies[*address].assign(PING_ATTEMPTS, FakeNetwork::Answer(milliseconds));
        }
        clock.now += 100000;
        clock.afterSleep = [this] { threads.RunDueThreads(); };
        commands.OnPing();
    }
};
