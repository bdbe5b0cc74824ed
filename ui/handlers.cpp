#include "ui/handlers.h"

#include <cstdlib>

#include "client/chat_line.h"
#include "client/client_windows.h"
#include "fade/five_colour_fade.h"
#include "fade/utf8.h"

namespace hue::ui {
namespace {

// WM_SYSCOMMAND's SC_MOVE + 2: the 16-bit command 0xF012 widened with its sign. The window system
// looks only at the bits 0xFFF0, which say SC_MOVE; the 2 makes it follow the mouse at once.
constexpr auto kMoveWithMouse =
    static_cast<std::uintptr_t>(static_cast<std::intptr_t>(static_cast<std::int16_t>(0xF012)));
static_assert(static_cast<std::uint16_t>(kMoveWithMouse) == 0xF012);

struct Announcement {
    double pauseSeconds;
    const char32_t* text;
};

void Announce(Form& form, const Announcement (&lines)[2]) {
    for (const Announcement& line : lines) {
        Pause(form, line.pauseSeconds);
        FadeAnnouncement(form.ChatClient(), line.text);
    }
    // The screen name is read afresh every time: the user may have signed on as someone else.
    Pause(form, 0.7);
    const Text name = DecodeUtf8(GetScreenName(form.ChatClient())).value_or(Text{});
    FadeAnnouncement(form.ChatClient(), U"\u2022 User: " + name);
}

constexpr Announcement kLoadLines[2] = {{0.1, U"\u2022 Velmor's Hue-Weaver"},
                                        {0.9, U"\u2022 Status: Loaded"}};
constexpr Announcement kExitLines[2] = {{0.1, U"\u2022 Velmor's Hue-Weaver"},
                                        {0.9, U"\u2022 Status: Unloaded"}};

// Start-up's slider values, set middle, top, bottom within each group, groups 1 to 5.
struct GroupDefaults {
    int middle, top, bottom;
};
constexpr GroupDefaults kDefaults[5] = {{0, 0, 255}, {0, 255, 0}, {0, 0, 255}, {0, 255, 0}, {0, 0, 255}};

}  // namespace

void OnSliderChanged(Form& form, ControlId slider) {
    const auto group = GroupOfSlider(slider);
    if (!group) return;
    const ColourGroup& g = kColourGroups[*group];
    // The red-named slider feeds green and the green-named one red.
    const int red = form.SliderValue(g.middle);
    const int green = form.SliderValue(g.top);
    const int blue = form.SliderValue(g.bottom);
    form.SetBackColour(g.swatch, ComposeColour(red, green, blue));
}

void OnOptionChosen(Form& form, ControlId option) {
    for (const StyleOption& style : kStyleOptions) {
        if (style.option == option) form.SetText(ControlId::Text2, Text(style.tag.begin(), style.tag.end()));
    }
}

void OnSend(Form& form, bool wavy) {
    Palette colours{};
    for (std::size_t k = 0; k < colours.size(); ++k) colours[k] = form.BackColour(kColourGroups[k].swatch);
    const Text text = form.GetText(ControlId::Text1);
    const Markup faded = FadeFiveColours(colours, text, wavy, [&form] { form.ProcessPendingEvents(); });
    // The style tag is read after the fade: a style chosen while it ran counts for this line.
    const Markup line = EncodeUtf8(form.GetText(ControlId::Text2)) + faded;
    SendChatLine(form.ChatClient(), line);
}

void OnLoad(Form& form) {
    Announce(form, kLoadLines);
    CentreWindow(form);
    PaintGradient(form);
    StayOnTop(form);
    for (std::size_t group = 0; group < kColourGroups.size(); ++group) {
        form.SetSliderValue(kColourGroups[group].middle, kDefaults[group].middle);
        form.SetSliderValue(kColourGroups[group].top, kDefaults[group].top);
        form.SetSliderValue(kColourGroups[group].bottom, kDefaults[group].bottom);
    }
}

void OnExit(Form& form) {
    Announce(form, kExitLines);
    form.EndProgram();
    std::abort();  // EndProgram does not come back
}

void Pause(Form& form, double seconds) {
    const Clock::time_point start = form.Now();
    const auto deadline =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    while (form.Now() < deadline) {
        form.ProcessPendingEvents();
        form.WaitForEvents(deadline);
    }
}

void DragWindow(Form& form) {
    form.ReleaseCapture();
    form.SendSysCommand(kMoveWithMouse);
}

void StayOnTop(Form& form) { form.SetWindowPosTopmost(); }

void CentreWindow(Form& form) {
    const TwipsSize screen = form.ScreenSize();
    const TwipsSize window = form.WindowSize();
    form.SetLeft((screen.width - window.width) / 2.0f);
    form.SetTop((screen.height - window.height) / 2.0f);
}

void PaintGradient(Form& form) {
    // Every step goes on whatever the one before it answered.
    form.SetDrawStyle(kDrawStyleInsideSolid);
    form.SetDrawMode(kDrawModeCopyPen);
    form.SetScaleMode(kScaleModePixels);
    form.SetDrawWidth(2);
    form.SetScaleHeight(256);
    // The screen's width in twips, taken as pixels, always reaches past the window's right edge.
    const float width = form.ScreenSize().width;
    for (int i = 0; i <= 255; ++i) {
        form.DrawBox(0, static_cast<float>(i), width, static_cast<float>(i - 1),
                     ComposeColour(0, 0, 255 - i));
    }
}

void OnSurfaceMouseDown(Form& form, std::optional<ControlId> windowless) {
    if (!windowless || *windowless == ControlId::Label1 || *windowless == ControlId::Label4) DragWindow(form);
}

void OnClick(Form& form, ControlId control) {
    switch (control) {
        case ControlId::Label2:
        case ControlId::SSCommand8:
            form.Minimise();
            return;
        case ControlId::Label3:
        case ControlId::SSCommand7:
            OnExit(form);
        case ControlId::SSCommand1:
            OnSend(form, false);
            return;
        case ControlId::SSCommand2:
            OnSend(form, true);
            return;
        default:
            OnOptionChosen(form, control);
            return;
    }
}

}  // namespace hue::ui
