#pragma once

// Starts the substitute chat room for one test and stops it afterwards.
#include <string>
#include <vector>

#include "win32/common/windows_api.h"

namespace hue::test {

class ChatRoomProcess {
  public:
    // Starts chat-room.exe (beside this test program) with `arguments` and a fresh transcript,
    // and waits until its frame is up and idle.
    explicit ChatRoomProcess(const std::vector<std::wstring>& arguments);
    ~ChatRoomProcess();
    ChatRoomProcess(const ChatRoomProcess&) = delete;
    ChatRoomProcess& operator=(const ChatRoomProcess&) = delete;

    bool started() const { return started_; }
    // Every byte posted to the room so far.
    std::string Transcript() const;

  private:
    std::wstring transcriptPath_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// The directory of this test program, with a trailing backslash.
std::wstring ProgramDirectory();

}  // namespace hue::test
