#include <gtest/gtest.h>

#include "fakes/fake_server_view.h"
#include "lists/server_list.h"
#include "ping/ping_time.h"
#include "ui/server_view.h"

namespace {

using Names = std::vector<std::string>;

// Servers named s0, s1, ... with the given ping times and, where given,
// game port times.
CServerList Servers(const std::vector<std::int32_t>& pings, const std::vector<std::int32_t>& gamePorts = {})
{
    CServerList list;
    for (size_t i = 0; i < pings.size(); ++i)
        list.Add({"s" + std::to_string(i), "d" + std::to_string(i), pings[i],
                  i < gamePorts.size() ? gamePorts[i] : GAME_PORT_UNMEASURED});
    return list;
}

// A view filled from the list and sorted, as "Ping" leaves it.
struct SortedView {
    explicit SortedView(const CServerList& servers) : list(servers)
    {
        FillServerView(list, order, view);
        view.cellWrites = view.rowInsertsAndDeletes = 0;
        SortServerViewByPing(list, order, view);
    }
    CServerList list;
    ServerViewOrder order;
    FakeServerView view;
};

using Widths = std::array<int, SERVER_VIEW_COLUMNS>;

TEST(ServerView, NamesShareTheClientWidthLeftByTheTimesAndAScrollBar)
{
    EXPECT_EQ(ServerColumnWidths(369, 17, 80, 84), (Widths{94, 94, 80, 84}));
    EXPECT_EQ(ServerColumnWidths(370, 17, 80, 84), (Widths{94, 95, 80, 84}));
    EXPECT_EQ(ServerColumnWidths(150, 17, 80, 84), (Widths{0, 0, 80, 84}));
}

TEST(ServerView, FillShowsEachEntryInListOrderAndReplacesOldRows)
{
    CServerList list;
    list.Add({"alpha", "first", 0});
    list.Add({"beta", "second", PING_UNREACHABLE, GAME_PORT_NO_ANSWER});
    list.Add({"gamma", "", 35, GAME_PORT_CLOSED});
    list.Add({"delta", "", PING_UNREACHABLE, 0});
    FakeServerView view;
    view.rows = {{"old"}, {"old"}, {"old"}, {"old"}, {"old"}};
    ServerViewOrder order = {4, 3, 2, 1, 0};

    FillServerView(list, order, view);

    ASSERT_EQ(view.rows.size(), 4u);
    EXPECT_EQ(view.rows[0], (FakeServerView::Row{"alpha", "first", "0", ""}));
    EXPECT_EQ(view.rows[1], (FakeServerView::Row{"beta", "second", "N/A", "N/A"}));
    EXPECT_EQ(view.rows[2], (FakeServerView::Row{"gamma", "", "35", "Closed"}));
    EXPECT_EQ(view.rows[3], (FakeServerView::Row{"delta", "", "N/A", "0"}));
    EXPECT_EQ(order, (ServerViewOrder{0, 1, 2, 3}));
    EXPECT_EQ(view.repaints, 0);
}

TEST(ServerView, FillFromAnEmptyListEmptiesTheView)
{
    FakeServerView view;
    view.rows = {{"old"}};
    ServerViewOrder order = {0};
    FillServerView(CServerList{}, order, view);
    EXPECT_TRUE(view.rows.empty());
    EXPECT_TRUE(order.empty());
}

TEST(ServerView, SortOfEmptyAndSingleRowViewsChangesNothing)
{
    SortedView empty(CServerList{});
    EXPECT_TRUE(empty.view.rows.empty());

    SortedView single(Servers({PING_UNREACHABLE}));
    EXPECT_EQ(single.view.rows[0], (FakeServerView::Row{"s0", "d0", "N/A", ""}));
    EXPECT_EQ(single.view.cellWrites, 0);
}

TEST(ServerView, SortIsStableAscendingWithNAAsUnreachable)
{
    SortedView sorted(Servers({120, PING_UNREACHABLE, 35, 120}));
    EXPECT_EQ(sorted.view.Column(COLUMN_SERVER), (Names{"s2", "s0", "s3", "s1"}));
    EXPECT_EQ(sorted.view.Column(COLUMN_PING), (Names{"35", "120", "120", "N/A"}));
    EXPECT_EQ(sorted.view.Column(COLUMN_DESCRIPTION), (Names{"d2", "d0", "d3", "d1"}));
    EXPECT_EQ(sorted.order, (ServerViewOrder{2, 0, 3, 1}));
    EXPECT_EQ(sorted.list.GetAt(0).serverName, "s0") << "the list keeps its order";
}

// Servers whose game port took the connection come first, by ping time or,
// where that is "N/A", by the connection's time; then the rest by ping time.
TEST(ServerView, SortPutsOpenGamePortsFirstThenTheRestByPingTime)
{
    const std::int32_t NA = PING_UNREACHABLE;
    SortedView sorted(Servers({NA, 30, 3, NA, 8, 1, 12, 0}, {12, 5, GAME_PORT_CLOSED, GAME_PORT_NO_ANSWER, 40,
                                                             GAME_PORT_NO_ANSWER, 0, GAME_PORT_UNMEASURED}));
    EXPECT_EQ(sorted.view.Column(COLUMN_SERVER), (Names{"s4", "s0", "s6", "s1", "s7", "s5", "s2", "s3"}));
    EXPECT_EQ(sorted.view.Column(COLUMN_GAME_PORT),
              (Names{"40", "12", "0", "5", "", "N/A", "Closed", "N/A"}));
}

TEST(ServerView, SortKeepsTiesOfUnmeasuredServersInListOrderWithoutWriting)
{
    SortedView sorted(Servers({0, 0, 0, 0}));
    EXPECT_EQ(sorted.view.Column(COLUMN_SERVER), (Names{"s0", "s1", "s2", "s3"}));
    EXPECT_EQ(sorted.view.cellWrites, 0);
}

TEST(ServerView, SortKeepsTiesInListOrderInAFullViewOfManyTies)
{
    // Past 16 rows a library sort need not keep ties in order any more.
    std::vector<std::int32_t> pings;
    for (int i = 0; i < MAX_SERVERS; ++i)
        pings.push_back(i % 10 == 0 ? 5 : i % 2 == 0 ? PING_UNREACHABLE : 0);
    SortedView sorted(Servers(pings));
    Names expected;
    for (std::int32_t time : {0, 5, PING_UNREACHABLE}) {
        for (int i = 0; i < MAX_SERVERS; ++i) {
            if (pings[i] == time)
                expected.push_back("s" + std::to_string(i));
        }
    }
    EXPECT_EQ(sorted.view.Column(COLUMN_SERVER), expected);
}

TEST(ServerView, SortOfAReversedFullViewEndsAscendingWritingEachRowOnce)
{
    std::vector<std::int32_t> pings;
    for (int i = MAX_SERVERS; i > 0; --i)
        pings.push_back(i);
    SortedView sorted(Servers(pings));
    for (int i = 0; i < MAX_SERVERS; ++i)
        ASSERT_EQ(sorted.view.rows[i][COLUMN_PING], std::to_string(i + 1));
    // Each row of the view is written once at most: a list view pays a
    // message for every cell it is handed.
    EXPECT_LE(sorted.view.cellWrites, SERVER_VIEW_COLUMNS * MAX_SERVERS);
    EXPECT_EQ(sorted.view.rowInsertsAndDeletes, 0);
}

TEST(ServerView, FillAndSortChangeRowsWithPaintingSuspendedAndResumeIt)
{
    CServerList list = Servers({5, 1});
    ServerViewOrder order;
    FakeServerView view;
    FillServerView(list, order, view);
    EXPECT_EQ(view.suspended, 0);
    EXPECT_GT(view.suspensions, 0);
    int fillSuspensions = view.suspensions;
    SortServerViewByPing(list, order, view);
    EXPECT_EQ(view.suspended, 0);
    EXPECT_GT(view.suspensions, fillSuspensions);
    EXPECT_EQ(view.changesWhilePainting, 0);
}

TEST(ServerView, TheSelectedServerIsTheEntryItsRowShows)
{
    SortedView sorted(Servers({30, 10}));
    EXPECT_FALSE(GetSelectedServer(sorted.list, sorted.order, sorted.view));
    sorted.view.selected = 0;
    std::optional<ServerEntry> server = GetSelectedServer(sorted.list, sorted.order, sorted.view);
    ASSERT_TRUE(server);
    EXPECT_EQ(server->serverName, "s1");
    EXPECT_EQ(server->pingTime, 10);
}

} // namespace
