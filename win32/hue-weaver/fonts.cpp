#include "win32/hue-weaver/fonts.h"

#include <cmath>
#include <string>
#include <vector>

#include "win32/common/ansi_text.h"

namespace hue::win32 {
namespace {

struct Substitutes {
    std::string_view face;
    std::vector<const wchar_t*> candidates;
};

const std::vector<Substitutes>& SubstituteTable() {
    static const std::vector<Substitutes> table = {
        {"Impact", {L"Impact", L"Haettenschweiler", L"Arial Black", L"Liberation Sans Narrow", L"Tahoma"}},
        {"Times New Roman", {L"Times New Roman", L"Liberation Serif", L"DejaVu Serif", L"Tahoma"}},
        {"MS Sans Serif", {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"}},
        {"", {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"}},
    };
    return table;
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring InstalledFace(std::string_view face) {
    for (const Substitutes& substitutes : SubstituteTable()) {
        if (substitutes.face != face) continue;
        for (const wchar_t* candidate : substitutes.candidates) {
            if (IsInstalled(candidate)) return candidate;
        }
    }
    return Utf8ToWide(face);
}

}  // namespace

HFONT CreateControlFont(const ui::FontSpec& font, int dpi) {
    const double points = font.face.empty() ? 8.25 : font.points;
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    const std::wstring face = InstalledFace(font.face);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face.c_str());
}

}  // namespace hue::win32
