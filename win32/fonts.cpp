#include "win32/fonts.h"

#include "platform/win32/wide_text.h"

namespace ringwright::win32 {
namespace {

HFONT fontFor(form::Face face, const Scale& scale) {
    const form::Typeface typeface = form::faceOf(face);
    LOGFONTW font{};
    font.lfHeight = scale.fontHeight(typeface.points);
    font.lfWeight = typeface.weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::wstring family = wideFromUtf8(typeface.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

Fonts::Fonts(const Scale& scale)
    : fonts_{fontFor(form::Face::Window, scale), fontFor(form::Face::Digit, scale), fontFor(form::Face::Dots, scale)} {}

Fonts::~Fonts() {
    for (HFONT font : fonts_) DeleteObject(font);
}

}  // namespace ringwright::win32
