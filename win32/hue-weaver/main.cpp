// hue-weaver.exe: the window Form1 and its message loop.
#include "ui/handlers.h"
#include "win32/hue-weaver/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    hue::win32::Form1 form(instance);
    if (!form.Create()) return 1;
    // The load handler runs before the window is first shown.
    hue::ui::OnLoad(form);
    form.Show();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) form.Dispatch(message);
    // Closed through the window system: no announcements.
    form.EndProgram();
}
