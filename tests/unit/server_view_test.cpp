#include <gtest/gtest.h>

#include "fakes/fake_server_view.h"
#include "lists/server_list.h"
#include "ping/ping_time.h"
#include "ui/server_view.h"

namespace {

// A view whose rows hold the given ping texts, named s0, s1, ... in order.
FakeServerView ViewWithPings(const std::vector<std::string>& pings)
{
    FakeServerView view;
    for (size_t i = 0; i < pings.size(); ++i)
        view.rows.push_back({"s" + std::to_string(i), "d" + std::to_string(i), pings[i]});
    return view;
}

// Rows named s0, s1, ... holding the given ping and game port texts.
FakeServerView ViewWithTimes(const std::vector<std::pair<std::string, std::string>>& times)
{
    FakeServerView view;
    for (size_t i = 0; i < times.size(); ++i)
        view.rows.push_back(
            {"s" + std::to_string(i), "d" + std::to_string(i), times[i].first, times[i].second});
    return view;
}

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
    FakeServerView view = ViewWithPings({"1", "2", "3", "4", "5"});

    FillServerView(list, view);

    ASSERT_EQ(view.RowCount(), 4);
    EXPECT_EQ(view.rows[0], (FakeServerView::Row{"alpha", "first", "0", ""}));
    EXPECT_EQ(view.rows[1], (FakeServerView::Row{"beta", "second", "N/A", "N/A"}));
    EXPECT_EQ(view.rows[2], (FakeServerView::Row{"gamma", "", "35", "Closed"}));
    EXPECT_EQ(view.rows[3], (FakeServerView::Row{"delta", "", "N/A", "0"}));
    EXPECT_EQ(view.repaints, 0);
}

TEST(ServerView, FillFromAnEmptyListEmptiesTheView)
{
    FakeServerView view = ViewWithPings({"1"});
    FillServerView(CServerList{}, view);
    EXPECT_EQ(view.RowCount(), 0);
}

TEST(ServerView, SortOfEmptyAndSingleRowViewsChangesNothing)
{
    FakeServerView empty;
    SortServerViewByPing(empty);
    EXPECT_EQ(empty.RowCount(), 0);

    FakeServerView single = ViewWithPings({"N/A"});
    SortServerViewByPing(single);
    EXPECT_EQ(single.rows[0], (FakeServerView::Row{"s0", "d0", "N/A"}));
}

TEST(ServerView, SortIsStableAscendingWithNAAsUnreachable)
{
    FakeServerView view = ViewWithPings({"120", "N/A", "35", "120"});
    SortServerViewByPing(view);
    EXPECT_EQ(view.Column(COLUMN_SERVER), (std::vector<std::string>{"s2", "s0", "s3", "s1"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (std::vector<std::string>{"35", "120", "120", "N/A"}));
    EXPECT_EQ(view.Column(COLUMN_DESCRIPTION), (std::vector<std::string>{"d2", "d0", "d3", "d1"}));
}

// Servers whose game port took the connection come first, by ping time or,
// where that is "N/A", by the connection's time; then the rest by ping time.
TEST(ServerView, SortPutsOpenGamePortsFirstThenTheRestByPingTime)
{
    FakeServerView view = ViewWithTimes({{"N/A", "12"},
                                         {"30", "5"},
                                         {"3", "Closed"},
                                         {"N/A", "N/A"},
                                         {"8", "40"},
                                         {"1", "N/A"},
                                         {"12", "0"},
                                         {"0", ""}});
    SortServerViewByPing(view);
    EXPECT_EQ(view.Column(COLUMN_SERVER),
              (std::vector<std::string>{"s4", "s0", "s6", "s1", "s7", "s5", "s2", "s3"}));
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT),
              (std::vector<std::string>{"40", "12", "0", "5", "", "N/A", "Closed", "N/A"}));
}

TEST(ServerView, SortKeepsTiesOfUnmeasuredServersInListOrderWithoutWriting)
{
    FakeServerView view = ViewWithPings({"0", "0", "0", "0"});
    SortServerViewByPing(view);
    EXPECT_EQ(view.Column(COLUMN_SERVER), (std::vector<std::string>{"s0", "s1", "s2", "s3"}));
    EXPECT_EQ(view.cellWrites, 0);
}

TEST(ServerView, SortKeepsTiesInListOrderInAFullViewOfManyTies)
{
    // Past 16 rows a library sort need not keep ties in order any more.
    std::vector<std::string> pings;
    for (int i = 0; i < MAX_SERVERS; ++i)
        pings.push_back(i % 10 == 0 ? "5" : i % 2 == 0 ? "N/A" : "0");
    FakeServerView view = ViewWithPings(pings);
    SortServerViewByPing(view);
    std::vector<std::string> expected;
    for (const char* time : {"0", "5", "N/A"}) {
        for (int i = 0; i < MAX_SERVERS; ++i) {
            if (pings[i] == time)
                expected.push_back("s" + std::to_string(i));
        }
    }
    EXPECT_EQ(view.Column(COLUMN_SERVER), expected);
}

TEST(ServerView, SortReadsCellsByTheAtoiRule)
{
    // "n/a" is not the unreachable text, so it reads as 0; "12 ms" as 12.
    FakeServerView view = ViewWithPings({"N/A", "12 ms", "n/a", "9998", "-3"});
    SortServerViewByPing(view);
    EXPECT_EQ(view.Column(COLUMN_PING), (std::vector<std::string>{"-3", "n/a", "12 ms", "9998", "N/A"}));
}

TEST(ServerView, SortOfAReversedFullViewEndsAscendingWritingEachRowOnce)
{
    std::vector<std::string> pings;
    for (int i = MAX_SERVERS; i > 0; --i)
        pings.push_back(std::to_string(i));
    FakeServerView view = ViewWithPings(pings);
    SortServerViewByPing(view);
    for (int i = 0; i < MAX_SERVERS; ++i)
        ASSERT_EQ(view.CellText(i, COLUMN_PING), std::to_string(i + 1));
    // Each row of the view is written once at most: a list view pays a
    // message for every cell it is handed.
    EXPECT_LE(view.cellWrites, SERVER_VIEW_COLUMNS * MAX_SERVERS);
    EXPECT_EQ(view.rowInsertsAndDeletes, 0);
}

TEST(ServerView, FillAndSortChangeRowsWithPaintingSuspendedAndResumeIt)
{
    CServerList list;
    list.Add({"a", "", 5});
    list.Add({"b", "", 1});
    FakeServerView view;
    FillServerView(list, view);
    EXPECT_EQ(view.suspended, 0);
    EXPECT_GT(view.suspensions, 0);
    int fillSuspensions = view.suspensions;
    SortServerViewByPing(view);
    EXPECT_EQ(view.suspended, 0);
    EXPECT_GT(view.suspensions, fillSuspensions);
    EXPECT_EQ(view.changesWhilePainting, 0);
}

TEST(ServerView, SelectedServerIsTheFirstCellCutAt127Characters)
{
    FakeServerView view = ViewWithPings({"1", "2"});
    EXPECT_EQ(GetSelectedServer(view), "");
    view.selected = 1;
    EXPECT_EQ(GetSelectedServer(view), "s1");
    view.rows[1][COLUMN_SERVER] = std::string(130, 'x');
    EXPECT_EQ(GetSelectedServer(view), std::string(127, 'x'));
}

} // namespace
