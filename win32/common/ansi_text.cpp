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

}  // namespace hue::win32
