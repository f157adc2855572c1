#pragma once
// The ground picture, the JPEG carried in the program's resources, decoded
// by the Windows Imaging Component and scaled smoothly to the DPI.
#include <windows.h>

#include <string>

namespace ringwright::win32 {

// A bitmap of `side` x `side` pixels, or nothing when it cannot be decoded.
HBITMAP loadGroundPicture(HINSTANCE instance, int side);

// Writes `bitmap` as a PNG file; false when it cannot.
bool savePng(HBITMAP bitmap, const std::wstring& path);

}  // namespace ringwright::win32
