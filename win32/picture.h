#pragma once
// The ground picture, the JPEG carried in the program's resources, decoded
// by the Windows Imaging Component and scaled smoothly to the DPI.
#include <windows.h>

namespace ringwright::win32 {

// A bitmap of `side` x `side` pixels, or nothing when it cannot be decoded.
HBITMAP loadGroundPicture(HINSTANCE instance, int side);

}  // namespace ringwright::win32
