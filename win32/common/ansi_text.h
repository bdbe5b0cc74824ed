#pragma once

#include <string>
#include <string_view>

#include "fade/text.h"

namespace hue::win32 {

// Conversions between UTF-8, UTF-16 and the system's ANSI code page. Characters the code page
// lacks become its default character.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string WideToAnsi(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);

// UTF-16 to code points and back: a surrogate pair is one character.
Text WideToText(std::wstring_view wide);
std::wstring TextToWide(TextView text);

}  // namespace hue::win32
