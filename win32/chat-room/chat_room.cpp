#include "win32/chat-room/chat_room.h"

#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "win32/chat-room/markup_rtf.h"
#include "win32/common/ansi_text.h"

namespace hue::chatroom {
namespace {

constexpr UINT kPostInput = WM_APP + 1;  // sent by an input box on Enter
constexpr UINT kHang = WM_APP + 2;       // posted by "/hang": stop responding for wParam seconds
constexpr UINT kShowLine = WM_APP + 3;   // posted with a line to show, once Enter has been answered
constexpr std::size_t kShownCharacters = 4000;
constexpr int kSendButtonId = 1;

WNDPROC baseEdit = nullptr;

ChatClient* ClientOf(HWND window) {
    return reinterpret_cast<ChatClient*>(GetWindowLongPtrW(GetAncestor(window, GA_ROOT), GWLP_USERDATA));
}

Room* RoomOf(ChatClient& client, HWND window) {
    for (Room& room : client.rooms) {
        if (room.window == window) return &room;
    }
    return nullptr;
}

std::string WindowTextBytes(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<std::string_view*>(cookie);
    const auto count =
        static_cast<LONG>(std::min<std::size_t>(source->size(), static_cast<std::size_t>(wanted)));
    std::copy_n(source->data(), count, buffer);
    source->remove_prefix(static_cast<std::size_t>(count));
    *given = count;
    return 0;
}

HWND InnerControl(HWND host) { return reinterpret_cast<HWND>(GetWindowLongPtrA(host, GWLP_USERDATA)); }

void AppendToConversation(HWND host, const std::string& rtf) {
    const HWND conversation = InnerControl(host);
    SendMessageW(conversation, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    std::string_view source = rtf;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadRtf};
    SendMessageW(conversation, EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(conversation, WM_VSCROLL, SB_BOTTOM, 0);
}

void SetScreenName(ChatClient& client, const std::string& utf8Name) {
    client.options.screenName = utf8Name;
    if (client.welcome)
        SetWindowTextW(client.welcome, win32::Utf8ToWide("Welcome, " + utf8Name + "!").c_str());
}

// A line from the input box reaches the room: into the transcript exactly as its bytes stand, then
// shown rendered in the conversation.
void PostLine(ChatClient& client, Room& room) {
    const std::string line = WindowTextBytes(room.input);
    SetWindowTextA(room.input, "");
    if (client.transcript) {
        std::fwrite(line.data(), 1, line.size(), client.transcript);
        std::fputc('\n', client.transcript);
        std::fflush(client.transcript);
    }
    if (line.rfind("/name ", 0) == 0)
        SetScreenName(client, win32::WideToUtf8(win32::AnsiToWide(line.substr(6))));
    if (line.rfind("/hang ", 0) == 0)
        PostMessageW(room.window, kHang, std::strtoul(line.c_str() + 6, nullptr, 10), 0);
    // Shown after the Enter has been answered, so the sender does not wait for the layout.
    PostMessageW(room.window, kShowLine, 0,
                 reinterpret_cast<LPARAM>(new std::wstring(win32::AnsiToWide(line))));
}

void ShowLine(const ChatClient& client, const Room& room, const std::wstring& line) {
    AppendToConversation(room.conversation,
                         ChatLineAsRtf(win32::Utf8ToWide(client.options.screenName), line, kShownCharacters));
}

// The chat client's "RICHCNTL" is a host for an inner control: a rich edit that shows the
// conversation (created read-only), or a plain edit as the input box. Wine's rich edit takes over a
// minute to lay out a single line of 800 KB, while its edit control takes a quarter of a second.
LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Enter typed by a person into the input box posts it, as Enter sent from outside does.
    if (message == WM_CHAR && wParam == 13) {
        SendMessageA(GetParent(GetParent(window)), kPostInput, 0, 0);
        return 0;
    }
    return CallWindowProcA(baseEdit, window, message, wParam, lParam);
}

LRESULT CALLBACK RichControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND inner = InnerControl(window);
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            const bool conversation = (create->style & ES_READONLY) != 0;
            const HWND control =
                conversation
                    ? CreateWindowExA(
                          0, "RichEdit20A", "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                          0, create->cx, create->cy, window, nullptr, create->hInstance, nullptr)
                    : CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, create->cx,
                                      create->cy, window, nullptr, create->hInstance, nullptr);
            if (!control) return -1;
            if (conversation) {
                SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
            } else {
                SendMessageA(control, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
                baseEdit = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputEditProc)));
            }
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
            return 0;
        }
        case WM_SIZE:
            if (inner) MoveWindow(inner, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (inner) SetFocus(inner);
            return 0;
        case WM_CHAR:
            if (wParam == 13 && !(GetWindowLongA(window, GWL_STYLE) & ES_READONLY)) {
                SendMessageA(GetParent(window), kPostInput, 0, 0);
                return 0;
            }
            break;
    }
    // Text and edit messages go to the inner control.
    const bool forwarded = message == WM_SETTEXT || message == WM_GETTEXT || message == WM_GETTEXTLENGTH ||
                           message == WM_CHAR || (message >= EM_GETSEL && message <= EM_GETIMESTATUS) ||
                           (message >= WM_USER && message < WM_APP);
    if (inner && forwarded) return SendMessageA(inner, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void LayOutRoom(const Room& room, int width, int height) {
    const int listWidth = 120, inputHeight = 28, nameHeight = 22;
    MoveWindow(room.name, 4, 2, width - 8, nameHeight - 4, TRUE);
    MoveWindow(room.conversation, 4, nameHeight, width - listWidth - 12,
               height - nameHeight - inputHeight - 8, TRUE);
    MoveWindow(room.people, width - listWidth - 4, nameHeight, listWidth,
               height - nameHeight - inputHeight - 8, TRUE);
    if (room.input) MoveWindow(room.input, 4, height - inputHeight - 4, width - 84, inputHeight, TRUE);
    MoveWindow(room.send, width - 76, height - inputHeight - 4, 72, inputHeight, TRUE);
}

LRESULT CALLBACK ClientWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ChatClient* client = ClientOf(window);
    Room* room = client ? RoomOf(*client, window) : nullptr;
    if (room) {
        switch (message) {
            case kPostInput:
                if (room->input) PostLine(*client, *room);
                return 0;
            case WM_COMMAND:
                if (LOWORD(wParam) == kSendButtonId && room->input) PostLine(*client, *room);
                return 0;
            case kShowLine: {
                const std::unique_ptr<std::wstring> line(reinterpret_cast<std::wstring*>(lParam));
                ShowLine(*client, *room, *line);
                return 0;
            }
            case kHang:
                Sleep(static_cast<DWORD>(wParam) * 1000);
                return 0;
            case WM_SIZE:
                LayOutRoom(*room, LOWORD(lParam), HIWORD(lParam));
                break;
        }
    }
    return DefMDIChildProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ChatClient* client = reinterpret_cast<ChatClient*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(window, client ? client->mdi : nullptr, message, wParam, lParam);
}

// Registers `name` as a copy of a system class, as the chat client's own controls are.
bool Superclass(HINSTANCE instance, const char* base, const char* name, WNDPROC proc, WNDPROC* baseProc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, base, &wc)) return false;
    if (baseProc) *baseProc = wc.lpfnWndProc;
    if (proc) wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateChild(HINSTANCE instance, HWND parent, const char* className, const char* text, DWORD style,
                 int id = 0) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND CreateClientWindow(HINSTANCE instance, ChatClient& client, const std::string& caption, int index) {
    return CreateWindowExA(WS_EX_MDICHILD, "AOL Child", caption.c_str(),
                           WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, 12 + 24 * index, 12 + 24 * index,
                           client.options.width - 80, client.options.height - 120, client.mdi, nullptr,
                           instance, nullptr);
}

Room CreateRoom(HINSTANCE instance, ChatClient& client, int number) {
    const std::string name =
        number == 1 ? "Town Square - Lobby" : "Town Square - Room " + std::to_string(number);
    Room room;
    room.window = CreateClientWindow(instance, client, name, number);
    room.name = CreateChild(instance, room.window, "_AOL_Static", name.c_str(), 0);
    room.conversation = CreateChild(instance, room.window, "RICHCNTL", "",
                                    WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL);
    if (!client.options.noInputBox) {
        room.input =
            CreateChild(instance, room.window, "RICHCNTL", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
    }
    room.people = CreateChild(instance, room.window, "_AOL_Listbox", "", WS_BORDER | WS_VSCROLL);
    for (const std::string& person : {client.options.screenName, std::string("Ada"), std::string("Bo")}) {
        SendMessageW(room.people, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(win32::Utf8ToWide(person).c_str()));
    }
    room.send =
        CreateChild(instance, room.window, "_AOL_Icon", "Send", BS_PUSHBUTTON | WS_TABSTOP, kSendButtonId);
    RECT area;
    GetClientRect(room.window, &area);
    LayOutRoom(room, area.right, area.bottom);
    return room;
}

void CreateWelcome(HINSTANCE instance, ChatClient& client) {
    client.welcome = CreateClientWindow(instance, client, "", 0);
    SetScreenName(client, client.options.screenName);
    MoveWindow(client.welcome, 300, 8, 220, 90, TRUE);
    MoveWindow(CreateChild(instance, client.welcome, "STATIC", "You are signed on.", 0), 8, 8, 200, 20, TRUE);
}

void CreateDecoy(HINSTANCE instance, ChatClient& client) {
    // Three of the four chat-room child classes: not a chat room.
    const HWND decoy = CreateClientWindow(instance, client, "Buddy List", 4);
    MoveWindow(decoy, 320, 120, 200, 160, TRUE);
    CreateChild(instance, decoy, "RICHCNTL", "", ES_MULTILINE | ES_READONLY);
    CreateChild(instance, decoy, "RICHCNTL", "", 0);
    CreateChild(instance, decoy, "_AOL_Listbox", "", 0);
    CreateChild(instance, decoy, "_AOL_Icon", "Go", 0);
}

}  // namespace

bool CreateChatClient(HINSTANCE instance, ChatClient& client) {
    if (!LoadLibraryW(L"riched20.dll")) return false;
    WNDCLASSEXA richClass{};
    richClass.cbSize = sizeof richClass;
    richClass.lpfnWndProc = RichControlProc;
    richClass.hInstance = instance;
    richClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    richClass.lpszClassName = "RICHCNTL";
    if (!RegisterClassExA(&richClass) || !Superclass(instance, "LISTBOX", "_AOL_Listbox", nullptr, nullptr) ||
        !Superclass(instance, "BUTTON", "_AOL_Icon", nullptr, nullptr) ||
        !Superclass(instance, "STATIC", "_AOL_Static", nullptr, nullptr)) {
        return false;
    }
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof frameClass;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frameClass.lpszClassName = L"AOL Frame25";
    WNDCLASSEXW childClass = frameClass;
    childClass.lpfnWndProc = ClientWindowProc;
    childClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    childClass.lpszClassName = L"AOL Child";
    if (!RegisterClassExW(&frameClass) || !RegisterClassExW(&childClass)) return false;

    const Options& options = client.options;
    client.frame = CreateWindowExW(0, L"AOL Frame25", L"Chat room (stand-in client)",
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, options.left, options.top,
                                   options.width, options.height, nullptr, nullptr, instance, nullptr);
    if (!client.frame) return false;
    SetWindowLongPtrW(client.frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&client));
    CLIENTCREATESTRUCT mdiCreate{nullptr, 1000};
    client.mdi =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                        0, 0, 0, client.frame, nullptr, instance, &mdiCreate);
    RECT area;
    GetClientRect(client.frame, &area);
    MoveWindow(client.mdi, 0, 0, area.right, area.bottom, TRUE);

    // Each new client window goes on top, so they are made bottom first.
    if (options.welcome && options.welcomeBehindRooms) CreateWelcome(instance, client);
    client.rooms.reserve(static_cast<std::size_t>(options.rooms));
    for (int number = options.rooms; number >= 1; --number)
        client.rooms.push_back(CreateRoom(instance, client, number));
    if (options.welcome && !options.welcomeBehindRooms) CreateWelcome(instance, client);
    if (options.decoy) CreateDecoy(instance, client);

    ShowWindow(client.frame, SW_SHOWNORMAL);
    UpdateWindow(client.frame);
    return true;
}

}  // namespace hue::chatroom
