// The chat-client bridge on the real user32, against the running substitute chat room.
#include <gtest/gtest.h>

#include <chrono>

#include "client/chat_line.h"
#include "client/client_windows.h"
#include "fade/announcement.h"
#include "fade/five_colour_fade.h"
#include "tests/wine/chat_room_process.h"
#include "win32/common/user32_window_system.h"

namespace hue {
namespace {

using test::ChatRoomProcess;
using Clock = std::chrono::steady_clock;

win32::User32WindowSystem windows;

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The caption of the room's "_AOL_Static", which names the room.
std::string RoomName(WindowHandle room) {
    return Caption(FindWindowExA(reinterpret_cast<HWND>(room), nullptr, "_AOL_Static", nullptr));
}

// The room's conversation, read across the process boundary.
std::string Conversation(HWND room) {
    const HWND conversation = FindWindowExA(room, nullptr, "RICHCNTL", nullptr);
    const auto length = SendMessageA(conversation, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(conversation, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

#define START_CHAT_ROOM(name, ...)       \
    ChatRoomProcess name({__VA_ARGS__}); \
    ASSERT_TRUE(name.started()) << "chat-room.exe did not start"

TEST(ChatRoomOverUser32, LineArrivesWholeAndExactly) {
    START_CHAT_ROOM(room);
    SendChatLine(windows, "<b><Font Color=#0055AA>H<Font Color=#00AA55>i");
    EXPECT_EQ(room.Transcript(), "<b><Font Color=#0055AA>H<Font Color=#00AA55>i\n");
    EXPECT_NE(Conversation(reinterpret_cast<HWND>(FindChatRoom(windows))).find("VelmorFan:"),
              std::string::npos);
}

TEST(ChatRoomOverUser32, FadedLineOf32767CharactersArrivesWhole) {
    START_CHAT_ROOM(room);
    Text text;
    for (std::size_t i = 0; text.size() < 32767; ++i)
        text += U"The quick brown fox jumps over the lazy dog. "[i % 45];
    const Markup line = FadeFiveColours({0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000}, text, true);
    ASSERT_GT(line.size(), 700'000u);
    SendChatLine(windows, line);
    const std::string transcript = room.Transcript();
    EXPECT_EQ(transcript.size(), line.size() + 1);
    EXPECT_TRUE(transcript == line + "\n") << "the line arrived changed";
}

TEST(ChatRoomOverUser32, EmptyLineEmptiesTheBoxAndStillPosts) {
    START_CHAT_ROOM(room);
    const HWND chatRoom = reinterpret_cast<HWND>(FindChatRoom(windows));
    const HWND input =
        FindWindowExA(chatRoom, FindWindowExA(chatRoom, nullptr, "RICHCNTL", nullptr), "RICHCNTL", nullptr);
    SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a half-typed draft"));
    SendChatLine(windows, "");
    EXPECT_EQ(room.Transcript(), "\n");
    EXPECT_EQ(GetWindowTextLengthA(input), 0);
}

TEST(ChatRoomOverUser32, TopmostOfTwoRoomsGetsTheLine) {
    START_CHAT_ROOM(room, L"--rooms", L"2");
    const WindowHandle topmost = FindChatRoom(windows);
    EXPECT_EQ(RoomName(topmost), "Town Square - Lobby");
    SendChatLine(windows, "to the lobby");
    EXPECT_EQ(room.Transcript(), "to the lobby\n");
    const HWND mdi = FindWindowExA(FindWindowA("AOL Frame25", nullptr), nullptr, "MDIClient", nullptr);
    for (HWND child = FindWindowExA(mdi, nullptr, "AOL Child", nullptr); child;
         child = FindWindowExA(mdi, child, "AOL Child", nullptr)) {
        const std::string conversation = Conversation(child);
        if (Caption(child) == "Town Square - Room 2") {
            EXPECT_EQ(conversation, "");
        } else if (Caption(child) == "Town Square - Lobby") {
            EXPECT_NE(conversation.find("to the lobby"), std::string::npos);
        }
    }
}

TEST(ChatRoomOverUser32, DecoyAboveTheRoomIsPassedOver) {
    START_CHAT_ROOM(room, L"--decoy");
    EXPECT_EQ(RoomName(FindChatRoom(windows)), "Town Square - Lobby");
    SendChatLine(windows, "past the decoy");
    EXPECT_EQ(room.Transcript(), "past the decoy\n");
}

TEST(ChatRoomOverUser32, WithoutRoomOrInputBoxNothingIsSent) {
    {
        START_CHAT_ROOM(room, L"--rooms", L"0");
        EXPECT_EQ(FindChatRoom(windows), 0u);
        SendChatLine(windows, "nowhere");
        EXPECT_EQ(room.Transcript(), "");
    }
    {
        START_CHAT_ROOM(room, L"--no-input-box");
        EXPECT_NE(FindChatRoom(windows), 0u);
        SendChatLine(windows, "nowhere");
        EXPECT_EQ(room.Transcript(), "");
    }
}

TEST(ChatRoomOverUser32, NoClientAtAllIsNoFailure) {
    ASSERT_EQ(FindWindowA("AOL Frame25", nullptr), nullptr);
    EXPECT_EQ(FindChatRoom(windows), 0u);
    EXPECT_EQ(GetScreenName(windows), "");
    SendChatLine(windows, "nowhere");
}

TEST(ChatRoomOverUser32, ScreenNameIsReadFromTheWelcomeWindowWhereverItStands) {
    struct Case {
        std::vector<std::wstring> arguments;
        std::string name;
    };
    const Case cases[] = {
        {{}, "VelmorFan"},
        {{L"--welcome-behind", L"--rooms", L"2"}, "VelmorFan"},
        {{L"--screen-name", L"Jos\u00E9 Q"}, "Jos\xC3\xA9 Q"},
        {{L"--no-welcome"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChatRoomProcess room(c.arguments);
        ASSERT_TRUE(room.started());
        EXPECT_EQ(GetScreenName(windows), c.name);
    }
}

TEST(ChatRoomOverUser32, AnnouncementPostsItsMarkupInTheAnsiCodePage) {
    START_CHAT_ROOM(room);
    FadeAnnouncement(windows, U"\u2022 Velmor's Hue-Weaver");
    std::string expected = AnnouncementMarkup(U"\u2022 Velmor's Hue-Weaver");
    expected.replace(expected.find("\xE2\x80\xA2"), 3, "\x95");  // the bullet in Windows-1252
    EXPECT_EQ(room.Transcript(), expected + "\n");
}

TEST(ChatRoomOverUser32, HungChatRoomCostsABoundedWait) {
    START_CHAT_ROOM(room);
    SendChatLine(windows, "/hang 40");
    const auto before = Clock::now();
    SendChatLine(windows, "into the void");
    const auto firstSend = Clock::now() - before;
    SendChatLine(windows, "and again");
    const auto secondSend = Clock::now() - before - firstSend;
    const std::string name = GetScreenName(windows);
    const auto nameRead = Clock::now() - before - firstSend - secondSend;
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    std::printf("hung client: first send %lld ms, second send %lld ms, screen name read %lld ms\n",
                static_cast<long long>(duration_cast<milliseconds>(firstSend).count()),
                static_cast<long long>(duration_cast<milliseconds>(secondSend).count()),
                static_cast<long long>(duration_cast<milliseconds>(nameRead).count()));
    for (auto wait : {firstSend, secondSend, nameRead}) EXPECT_LT(wait, std::chrono::milliseconds(6500));
    EXPECT_EQ(room.Transcript(), "/hang 40\n");
}

}  // namespace
}  // namespace hue
