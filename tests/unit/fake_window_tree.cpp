#include "tests/unit/fake_window_tree.h"

#include "fade/utf8.h"

namespace hue::test {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string FakeWindowTree::Utf8ToAnsi(std::string_view utf8) {
    std::string ansi;
    for (char32_t c : DecodeUtf8(utf8).value_or(Text{})) {
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHighControls[i] == c) byte = static_cast<char>(0x80 + i);
            }
        }
        ansi += byte;
    }
    return ansi;
}

std::string FakeWindowTree::AnsiToUtf8(std::string_view ansi) {
    Text text;
    for (char byte : ansi) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b;
        text += c == 0 ? U'?' : c;
    }
    return EncodeUtf8(text);
}

}  // namespace hue::test
