#include "win32/common/ansi_text.h"

#include "win32/common/windows_api.h"

namespace hue::win32 {
namespace {

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string WideToAnsi(std::wstring_view wide) { return FromWide(CP_ACP, wide); }
std::wstring AnsiToWide(std::string_view ansi) { return ToWide(CP_ACP, ansi); }

Text WideToText(std::wstring_view wide) {
    Text text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] < 0xE000) {
            text += 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(wide[++i]) - 0xDC00);
        } else {
            text += unit;
        }
    }
    return text;
}

std::wstring TextToWide(TextView text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    return wide;
}

}  // namespace hue::win32
