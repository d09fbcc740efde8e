#pragma once

// Paints a push button in the owner-drawn style: its own face colour, a raised
// or, while pressed, sunken edge, the centred caption and the focus frame.

#include <windows.h>

namespace zarnik::win32 {

void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font);

}  // namespace zarnik::win32
