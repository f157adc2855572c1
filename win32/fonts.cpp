#include "win32/fonts.h"

#include <cwchar>

namespace ringwright::win32 {
namespace {

HFONT face(const wchar_t* name, double points, int weight, const Scale& scale) {
    LOGFONTW font{};
    font.lfHeight = scale.fontHeight(points);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, name, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

Fonts::Fonts(const Scale& scale)
    : window_(face(L"MS Sans Serif", 8.25, FW_NORMAL, scale)),
      marker_(face(L"MS Sans Serif", 9.75, FW_BOLD, scale)),
      // Arial Black's one weight is its heaviest; a face standing in for it stays as heavy.
      dots_(face(L"Arial Black", 11.25, FW_BLACK, scale)) {}

Fonts::~Fonts() {
    DeleteObject(window_);
    DeleteObject(marker_);
    DeleteObject(dots_);
}

}  // namespace ringwright::win32
