#include <gtest/gtest.h>

#include "client/chat_line.h"
#include "client/client_windows.h"
#include "fade/announcement.h"
#include "tests/unit/fake_window_tree.h"

namespace hue {
namespace {

using test::FakeWindowTree;
using test::ReceivedMessage;

class ClientBridge : public ::testing::Test {
  protected:
    FakeWindowTree tree;
    WindowHandle mdi = tree.AddClient();

    std::vector<ReceivedMessage> Received(WindowHandle window) { return tree.At(window).received; }
    static std::vector<ReceivedMessage> Posted(const std::string& ansi) {
        return {{win::WM_SETTEXT, 0, ansi}, {win::WM_CHAR, 13, ""}};
    }
};

TEST_F(ClientBridge, FindsTheTopmostWindowWithAllFourChildClasses) {
    // A decoy without "_AOL_Static" stands above the rooms; a "RICHCNTL" nested deeper does not count.
    const WindowHandle decoy = tree.Add(mdi, "AOL Child", "Decoy");
    tree.Add(decoy, "RICHCNTL");
    tree.Add(decoy, "_AOL_Listbox");
    const WindowHandle icon = tree.Add(decoy, "_AOL_Icon");
    tree.Add(icon, "_AOL_Static");
    const WindowHandle upper = tree.AddChatRoom(mdi, "Upper");
    tree.AddChatRoom(mdi, "Lower");
    EXPECT_EQ(FindChatRoom(tree), upper);
}

TEST_F(ClientBridge, NoClientOrNoRoomGivesZero) {
    EXPECT_EQ(FindChatRoom(tree), 0u);
    FakeWindowTree empty;
    EXPECT_EQ(FindChatRoom(empty), 0u);
    EXPECT_EQ(GetScreenName(empty), "");
    FakeWindowTree frameOnly;
    frameOnly.Add(0, "AOL Frame25");
    EXPECT_EQ(FindChatRoom(frameOnly), 0u);
}

TEST_F(ClientBridge, LooksUpAfreshEveryTime) {
    EXPECT_EQ(FindChatRoom(tree), 0u);
    const WindowHandle room = tree.AddChatRoom(mdi);
    EXPECT_EQ(FindChatRoom(tree), room);
}

TEST_F(ClientBridge, ReadsTheScreenNameFromTheWelcomeWindowWhereverItStands) {
    struct Case {
        std::vector<std::string> captions;
        std::string name;
    };
    const Case cases[] = {
        {{"Welcome, Jo!"}, "Jo"},
        {{"Lobby", "Mail", "Welcome, Jo!"}, "Jo"},
        {{"Welcome, !"}, ""},
        {{"Welcome, Jo! Hi!"}, "Jo"},
        {{"welcome, Jo!", " Welcome, Jo!", "Welcome, Ann!"}, "Ann"},
        {{"welcome, Jo!"}, ""},
        {{"Welcome, Jo"}, "Jo"},  // no "!": the rest of the caption
        {{"Welcome, "}, ""},
        {{"Welcome, Jos\xE9!"}, "Jos\xC3\xA9"},  // ANSI in, UTF-8 out
        {{}, ""},
    };
    for (const Case& c : cases) {
        FakeWindowTree windows;
        const WindowHandle parent = windows.AddClient();
        for (const std::string& caption : c.captions) windows.Add(parent, "AOL Child", caption);
        EXPECT_EQ(GetScreenName(windows), c.name) << ::testing::PrintToString(c.captions);
    }
}

TEST_F(ClientBridge, CaptionIsExactlyWhatTheWindowHolds) {
    const WindowHandle window = tree.Add(mdi, "AOL Child", "abc");
    EXPECT_EQ(GetWindowCaption(tree, window), "abc");
    EXPECT_EQ(GetWindowCaption(tree, 0), "");
    EXPECT_EQ(GetWindowCaption(tree, tree.Add(mdi, "AOL Child")), "");
}

TEST_F(ClientBridge, CaptionThatChangesBetweenTheTwoReads) {
    const WindowHandle grows = tree.Add(mdi, "AOL Child", "Welcome, Jo!");
    tree.At(grows).afterLengthRead = [](auto& window) { window.caption = "Welcome, Joanna!"; };
    EXPECT_EQ(GetWindowCaption(tree, grows), "Welcome, Joa");  // cut to the twelve bytes first reported

    const WindowHandle shrinks = tree.Add(mdi, "AOL Child", "Welcome, Joanna!");
    tree.At(shrinks).afterLengthRead = [](auto& window) { window.caption = "Welcome, Jo"; };
    const std::string caption = GetWindowCaption(tree, shrinks);
    EXPECT_EQ(caption, "Welcome, Jo");
    EXPECT_EQ(caption.find('\0'), std::string::npos);
}

TEST_F(ClientBridge, ShrunkenWelcomeCaptionPutsNoNulsInTheName) {
    const WindowHandle welcome = tree.Add(mdi, "AOL Child", "Welcome, Joanna!");
    tree.At(welcome).afterLengthRead = [](auto& window) { window.caption = "Welcome, Jo"; };
    EXPECT_EQ(GetScreenName(tree), "Jo");
}

TEST_F(ClientBridge, SendsTheLineToTheSecondRichEditThenEnter) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    SendChatLine(tree, "<b>hello");
    EXPECT_EQ(Received(tree.InputBoxOf(room)), Posted("<b>hello"));
    EXPECT_EQ(tree.AllMessages().size(), 2u) << "nothing else is touched";
}

TEST_F(ClientBridge, EmptyLineStillPressesEnter) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    SendChatLine(tree, "");
    EXPECT_EQ(Received(tree.InputBoxOf(room)), Posted(""));
}

TEST_F(ClientBridge, TopmostOfTwoRoomsGetsTheLine) {
    const WindowHandle upper = tree.AddChatRoom(mdi, "Upper");
    const WindowHandle lower = tree.AddChatRoom(mdi, "Lower");
    SendChatLine(tree, "hi");
    EXPECT_EQ(Received(tree.InputBoxOf(upper)), Posted("hi"));
    EXPECT_TRUE(Received(tree.InputBoxOf(lower)).empty());
}

TEST_F(ClientBridge, NothingIsSentWithoutRoomOrInputBox) {
    SendChatLine(tree, "hi");
    const WindowHandle room = tree.Add(mdi, "AOL Child", "Half a room");
    tree.Add(room, "RICHCNTL");
    tree.Add(room, "_AOL_Listbox");
    tree.Add(room, "_AOL_Icon");
    tree.Add(room, "_AOL_Static");
    SendChatLine(tree, "hi");
    EXPECT_TRUE(tree.AllMessages().empty());
}

TEST_F(ClientBridge, LongLinesGoWhole) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    const std::string line(700'000, 'x');
    SendChatLine(tree, line);
    EXPECT_EQ(Received(tree.InputBoxOf(room)), Posted(line));
}

TEST_F(ClientBridge, TextCrossesInTheAnsiCodePage) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    SendChatLine(tree, "\xE2\x80\xA2 caf\xC3\xA9 \xE2\x98\x83");  // bullet, e-acute, a snowman it lacks
    EXPECT_EQ(Received(tree.InputBoxOf(room)), Posted("\x95 caf\xE9 ?"));
}

TEST_F(ClientBridge, HungInputBoxGetsNoEnter) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    tree.At(tree.InputBoxOf(room)).hung = true;
    SendChatLine(tree, "hi");  // returns instead of waiting forever
    EXPECT_TRUE(tree.AllMessages().empty());
}

TEST_F(ClientBridge, AnnouncementSendsItsMarkup) {
    const WindowHandle room = tree.AddChatRoom(mdi);
    FadeAnnouncement(tree, U"Test");
    FadeAnnouncement(tree, U"");
    const auto received = Received(tree.InputBoxOf(room));
    ASSERT_EQ(received.size(), 4u);
    EXPECT_EQ(received[0].text, AnnouncementMarkup(U"Test"));
    EXPECT_EQ(received[2].text, "");
}

}  // namespace
}  // namespace hue
