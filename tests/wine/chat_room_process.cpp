#include "tests/wine/chat_room_process.h"

#include <fstream>
#include <sstream>

namespace hue::test {

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

ChatRoomProcess::ChatRoomProcess(const std::vector<std::wstring>& arguments) {
    // A frame left over from another test would answer in this one's place.
    for (HWND stale; (stale = FindWindowW(L"AOL Frame25", nullptr)) != nullptr;) {
        DWORD id = 0;
        GetWindowThreadProcessId(stale, &id);
        if (HANDLE old = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(old, 1);
            WaitForSingleObject(old, 5000);
            CloseHandle(old);
        }
        Sleep(100);
    }

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    transcriptPath_ = std::wstring(temp) + L"hue-chat-room-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                      std::to_wstring(GetTickCount64()) + L".txt";
    DeleteFileW(transcriptPath_.c_str());

    std::wstring commandLine =
        L"\"" + ProgramDirectory() + L"chat-room.exe\" --transcript \"" + transcriptPath_ + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        return;
    }
    WaitForInputIdle(process_.hProcess, 20000);
    // The frame is shown once all its client windows are made.
    auto ready = [] {
        const HWND frame = FindWindowW(L"AOL Frame25", nullptr);
        return frame && IsWindowVisible(frame);
    };
    for (int i = 0; i < 400 && !ready(); ++i) Sleep(50);
    started_ = ready();
}

ChatRoomProcess::~ChatRoomProcess() {
    if (process_.hProcess) {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    DeleteFileW(transcriptPath_.c_str());
}

std::string ChatRoomProcess::Transcript() const {
    std::ifstream in(transcriptPath_.c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace hue::test
