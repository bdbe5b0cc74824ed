#include "ui/handlers.h"

#include <gtest/gtest.h>

#include "fade/announcement.h"
#include "tests/unit/fake_form.h"

namespace hue::ui {
namespace {

using test::FakeForm;
using test::ProgramEnded;
using enum ControlId;

std::string Ansi(std::u32string_view text) {
    FakeForm form;
    return form.client.Utf8ToAnsi(AnnouncementMarkup(text));
}

TEST(ColourPickers, SliderNamedRedFeedsGreenAndOnlyItsOwnSwatchChanges) {
    struct Case {
        int top, middle, bottom;
        ColourValue colour;
    };
    for (const Case& c : {Case{255, 0, 0, 0x00FF00}, Case{0, 255, 0, 0x0000FF}, Case{0, 0, 255, 0xFF0000},
                          Case{64, 128, 32, 0x204080}, Case{0, 0, 0, 0}, Case{255, 255, 255, 0xFFFFFF}}) {
        FakeForm form;
        form.backColours[color1] = 0x123456;
        form.sliders = {{red2, c.top}, {green2, c.middle}, {blue2, c.bottom}};
        OnSliderChanged(form, green2);
        EXPECT_EQ(form.backColours[color2], c.colour);
        EXPECT_EQ(form.backColours[color1], 0x123456u);
        EXPECT_EQ(form.backColours.size(), 2u);
    }
}

TEST(StyleOptions, EachOptionPutsItsTagIntoText2) {
    FakeForm form;
    const std::pair<ControlId, Text> cases[] = {{Option1, U"<b>"}, {Option2, U"<i>"}, {Option3, U"<s>"},
                                                {Option5, U"<u>"}, {Option4, U""},    {Option4, U""}};
    for (const auto& [option, tag] : cases) {
        OnClick(form, option);
        EXPECT_EQ(form.texts[Text2], tag);
    }
}

TEST(SendActions, WorkedExample) {
    FakeForm form;
    const ColourValue swatches[5] = {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000};
    for (std::size_t k = 0; k < 5; ++k) form.backColours[kColourGroups[k].swatch] = swatches[k];
    form.texts[Text1] = U"Hello world";
    form.texts[Text2] = U"<b>";
    OnClick(form, SSCommand1);
    OnClick(form, SSCommand2);
    OnClick(form, SSCommand2);
    const std::vector<std::string> posted = form.Posted();
    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[0],
              "<b><Font Color=#0055AA>H<Font Color=#00AA55>e<Font Color=#00FF00>l<Font Color=#00AA55>l"
              "<Font Color=#0055AA>o<Font Color=#0000FF> <Font Color=#0055AA>w<Font Color=#00AA55>o"
              "<Font Color=#00FF00>r<Font Color=#008080>l<Font Color=#0000FF>d");
    EXPECT_EQ(posted[1],
              "<b><Font Color=#0055AA><sup>H<Font Color=#00AA55></sup>e<Font Color=#00FF00><sub>l"
              "<Font Color=#00AA55></sub>l<Font Color=#0055AA><sup>o<Font Color=#0000FF></sup> "
              "<Font Color=#0055AA><sub>w<Font Color=#00AA55></sub>o<Font Color=#00FF00><sup>r"
              "<Font Color=#008080></sup>l<Font Color=#0000FF><sub>d");
    EXPECT_EQ(posted[2], posted[1]);
    EXPECT_EQ(form.texts[Text1], U"Hello world");
}

TEST(SendActions, EmptyTextSendsTheStyleTagAlone) {
    FakeForm form;
    OnClick(form, SSCommand1);
    form.texts[Text2] = U"<u>";
    OnClick(form, SSCommand1);
    EXPECT_EQ(form.Posted(), (std::vector<std::string>{"", "<u>"}));
}

TEST(SendActions, StyleChosenDuringTheFadeCountsButColoursChangedThenDoNot) {
    FakeForm form;
    form.texts[Text1] = U"a";
    form.backColours[color2] = 0x0000FF;
    form.pendingEvents.push_back([&] {
        form.texts[Text2] = U"<i>";
        form.backColours[color2] = 0x00FF00;
    });
    OnClick(form, SSCommand1);
    EXPECT_EQ(form.Posted(), (std::vector<std::string>{"<i><Font Color=#FF0000>a"}));
}

TEST(SendActions, SecondPressDuringTheFadeSendsFirst) {
    FakeForm form;
    form.texts[Text1] = U"first";
    form.pendingEvents.push_back([&] {
        const Text saved = form.texts[Text1];
        form.texts[Text1] = U"x";
        OnClick(form, SSCommand1);
        form.texts[Text1] = saved;
    });
    OnClick(form, SSCommand1);
    const auto posted = form.Posted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0], "<Font Color=#000000>x");
    EXPECT_EQ(posted[1].size(), 5u * 21);
}

TEST(StartUp, AnnouncesThenPlacesPaintsRaisesAndSetsTheDefaults) {
    FakeForm form;
    OnLoad(form);
    EXPECT_EQ(form.Posted(),
              (std::vector<std::string>{Ansi(U"\u2022 Velmor's Hue-Weaver"), Ansi(U"\u2022 Status: Loaded"),
                                        Ansi(U"\u2022 User: Jo")}));
    const std::vector<std::string> steps(form.calls.begin(), form.calls.begin() + 2);
    EXPECT_EQ(steps, (std::vector<std::string>{"Left", "Top"}));
    EXPECT_EQ(form.calls.back(), "Topmost");
    EXPECT_EQ(std::chrono::duration<double>(form.now - Clock::time_point{}).count(), 1.7);
    const ColourValue expected[5] = {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000};
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_EQ(form.backColours[kColourGroups[k].swatch], expected[k]) << k;
    EXPECT_TRUE(form.texts[Text2].empty());
}

TEST(StartUp, WithoutAClientTakesThePausesAndSendsNothing) {
    FakeForm form;
    form.client = test::FakeWindowTree{};
    OnLoad(form);
    EXPECT_TRUE(form.client.AllMessages().empty());
    EXPECT_EQ(std::chrono::duration<double>(form.now - Clock::time_point{}).count(), 1.7);
}

TEST(Shutdown, AnnouncesWithTheScreenNameReadAgainAndEnds) {
    FakeForm form;
    form.client
        .At(form.client.FindWindowExA(
            form.client.FindWindowExA(form.client.FindWindowA("AOL Frame25", nullptr), 0, "MDIClient",
                                      nullptr),
            0, "AOL Child", nullptr))
        .caption = "Welcome, Ann!";
    EXPECT_THROW(OnClick(form, SSCommand7), ProgramEnded);
    EXPECT_EQ(form.Posted(),
              (std::vector<std::string>{Ansi(U"\u2022 Velmor's Hue-Weaver"), Ansi(U"\u2022 Status: Unloaded"),
                                        Ansi(U"\u2022 User: Ann")}));
    EXPECT_EQ(form.calls.back(), "EndProgram");
}

TEST(Shutdown, LineSentDuringAPauseLandsBetweenTheAnnouncements) {
    FakeForm form;
    form.texts[Text1] = U"hi";
    form.pendingEvents.push_back([&] { form.pendingEvents.push_back([&] { OnClick(form, SSCommand1); }); });
    EXPECT_THROW(OnClick(form, Label3), ProgramEnded);
    const auto posted = form.Posted();
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[0], Ansi(U"\u2022 Velmor's Hue-Weaver"));
    EXPECT_EQ(posted[1].size(), 2u * 21);
}

TEST(Shutdown, SecondExitDuringAPauseEndsTheProgram) {
    FakeForm form;
    form.pendingEvents.push_back([&] { OnClick(form, Label3); });
    EXPECT_THROW(OnClick(form, SSCommand7), ProgramEnded);
    // The nested shutdown ran whole; the first never went on.
    EXPECT_EQ(form.Posted().size(), 3u);
}

TEST(Pause, WaitsForTheDeadlineWithoutSpinning) {
    FakeForm form;
    Pause(form, 0.7);
    EXPECT_EQ(std::chrono::duration<double>(form.now - Clock::time_point{}).count(), 0.7);
    EXPECT_EQ(form.waits, 1);
    EXPECT_EQ(form.processed, 1);
    Pause(form, 0);
    EXPECT_EQ(form.processed, 1) << "a pause of 0 returns at once";
}

TEST(Chrome, DragReleasesTheCaptureThenMovesWithTheMouse) {
    for (std::optional<ControlId> target :
         {std::optional<ControlId>{}, std::optional{Label1}, std::optional{Label4}}) {
        FakeForm form;
        OnSurfaceMouseDown(form, target);
        const std::uintptr_t move = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(-4078));
        EXPECT_EQ(form.calls,
                  (std::vector<std::string>{"ReleaseCapture", "SysCommand " + std::to_string(move)}));
        EXPECT_EQ(move & 0xFFF0, 0xF010u);
    }
    for (ControlId target : {color1, color5, Label2, Label3}) {
        FakeForm form;
        OnSurfaceMouseDown(form, target);
        EXPECT_TRUE(form.calls.empty());
    }
}

TEST(Chrome, MinimiseFromTheBoxAndTheButton) {
    for (ControlId control : {Label2, SSCommand8}) {
        FakeForm form;
        OnClick(form, control);
        EXPECT_EQ(form.calls, std::vector<std::string>{"Minimise"});
        EXPECT_TRUE(form.Posted().empty());
    }
}

TEST(Chrome, CentresInSinglePrecisionOverTheWholeScreen) {
    FakeForm form;
    form.screen = {12000, 9000};
    CentreWindow(form);
    EXPECT_EQ(form.left, 3682.5f);
    EXPECT_EQ(form.top, 3307.5f);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"Left", "Top"}));
    form.screen = {3000, 2000};
    CentreWindow(form);
    EXPECT_LT(form.left, 0);
}

TEST(Chrome, GradientDrawsTheBandsEvenWhenASettingIsRefused) {
    FakeForm form;
    form.refuseDrawStyle = true;
    PaintGradient(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"DrawStyle 6", "DrawMode 13", "ScaleMode 3",
                                                    "DrawWidth 2", "ScaleHeight 256", "Boxes"}));
    ASSERT_EQ(form.boxes.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const auto& box = form.boxes[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.y1, static_cast<float>(i));
        EXPECT_EQ(box.y2, static_cast<float>(i - 1));
        EXPECT_EQ(box.x2, 15360.0f);
        EXPECT_EQ(box.colour, ComposeColour(0, 0, 255 - i));
    }
}

}  // namespace
}  // namespace hue::ui
