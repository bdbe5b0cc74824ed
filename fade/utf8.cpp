#include "fade/utf8.h"

namespace hue {

std::optional<Text> DecodeUtf8(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            text += static_cast<char32_t>(lead);
            ++at;
            continue;
        }
        std::size_t extra;
        char32_t codePoint;
        char32_t smallest;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1, codePoint = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, codePoint = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, codePoint = lead & 0x07, smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - at <= extra) return std::nullopt;
        for (std::size_t i = 1; i <= extra; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return std::nullopt;
        }
        text += codePoint;
        at += extra + 1;
    }
    return text;
}

std::string EncodeUtf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        char bytes[4];
        out.append(bytes, WriteUtf8(bytes, c));
    }
    return out;
}

}  // namespace hue
