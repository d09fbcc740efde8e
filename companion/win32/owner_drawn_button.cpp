#include "companion/win32/owner_drawn_button.h"

namespace zarnik::win32 {

void PaintButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font) {
  const HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT rect = item.rcItem;

  FillRect(dc, &rect, face);
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  char caption[64] = {};
  const int length = GetWindowTextA(item.hwndItem, caption, sizeof caption);
  RECT textRect = rect;
  if (pressed) OffsetRect(&textRect, 1, 1);
  const HGDIOBJ oldFont = SelectObject(dc, font);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(
      dc, GetSysColor((item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(dc, caption, length, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focusRect = rect;
    InflateRect(&focusRect, -4, -4);
    DrawFocusRect(dc, &focusRect);
  }
}

}  // namespace zarnik::win32
