#include <gtest/gtest.h>

#include "lists/server_list.h"

namespace {

ServerEntry Entry(const std::string& name, int ping = 0)
{
    return ServerEntry{name, "desc " + name, ping};
}

TEST(ServerList, NewListIsEmptyAndAddAppendsInOrder)
{
    CServerList list;
    EXPECT_EQ(list.GetUpperBound(), -1);
    EXPECT_TRUE(list.Add(Entry("a", 5)));
    EXPECT_TRUE(list.Add(Entry("b")));
    ASSERT_EQ(list.GetUpperBound(), 1);
    EXPECT_EQ(list.GetAt(0).serverName, "a");
    EXPECT_EQ(list.GetAt(0).description, "desc a");
    EXPECT_EQ(list.GetAt(0).pingTime, 5);
    EXPECT_EQ(list.GetAt(1).serverName, "b");
}

TEST(ServerList, RemoveAllRestartsAtIndexZero)
{
    CServerList list;
    list.Add(Entry("a"));
    list.Add(Entry("b"));
    list.RemoveAll();
    EXPECT_EQ(list.GetUpperBound(), -1);
    list.Add(Entry("c"));
    EXPECT_EQ(list.GetUpperBound(), 0);
    EXPECT_EQ(list.GetAt(0).serverName, "c");
}

TEST(ServerList, GetAtReturnsACopy)
{
    CServerList list;
    list.Add(Entry("a", 7));
    ServerEntry copy = list.GetAt(0);
    copy.serverName = "changed";
    copy.pingTime = 1;
    EXPECT_EQ(list.GetAt(0).serverName, "a");
    EXPECT_EQ(list.GetAt(0).pingTime, 7);
}

TEST(ServerList, FullListRefusesTheNextEntryAndKeepsItsOwn)
{
    CServerList list;
    for (int i = 0; i < MAX_SERVERS; ++i)
        ASSERT_TRUE(list.Add(Entry(std::to_string(i))));
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.Add(Entry("one too many")));
    EXPECT_EQ(list.GetUpperBound(), MAX_SERVERS - 1);
    EXPECT_EQ(list.GetAt(MAX_SERVERS - 1).serverName, "99");
}

TEST(ServerList, CopiesAreIndependent)
{
    CServerList list;
    list.Add(Entry("a"));
    CServerList copy = list;
    copy.Add(Entry("b"));
    copy.entries[0].pingTime = 42;
    EXPECT_EQ(list.GetUpperBound(), 0);
    EXPECT_EQ(list.GetAt(0).pingTime, 0);
    EXPECT_EQ(copy.GetUpperBound(), 1);
}

} // namespace
