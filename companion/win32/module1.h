#pragma once

// Module1: the search for the host's main window among the top-level windows.

#include <windows.h>

namespace zarnik::win32 {

// The first top-level window, front to back, whose class name begins with
// "Afx:400000:b:10011", or null. The found window is kept between searches, so a
// later search that finds none returns it again; the program searches once.
HWND FindHostWindow();

}  // namespace zarnik::win32
