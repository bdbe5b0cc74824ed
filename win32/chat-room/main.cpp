// chat-room.exe: a stand-in for the chat client, with its frame, chat rooms and welcome window.

#include <string>
#include <vector>

#include "win32/chat-room/chat_room.h"
#include "win32/common/ansi_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(hue::win32::WideToUtf8(wide[i]));
    LocalFree(wide);

    std::string error;
    hue::chatroom::ChatClient client;
    auto options = hue::chatroom::ParseOptions(arguments, error);
    if (!options) {
        MessageBoxA(nullptr, (error + "\n\n" + hue::chatroom::kChatRoomUsage).c_str(), "chat-room",
                    MB_ICONERROR);
        return 2;
    }
    client.options = *options;
    if (client.options.transcript) {
        client.transcript = _wfopen(hue::win32::Utf8ToWide(*client.options.transcript).c_str(), L"ab");
        if (!client.transcript) return 3;
    }
    if (!hue::chatroom::CreateChatClient(instance, client)) return 4;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateMDISysAccel(client.mdi, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (client.transcript) std::fclose(client.transcript);
    return 0;
}
