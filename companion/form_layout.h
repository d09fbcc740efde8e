#pragma once

// Geometry of the window Form1 and its buttons. Lengths are kept in twips
// (1/1440 inch) and turned into pixels at 96 dots per inch, 15 twips a pixel.

namespace zarnik {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// To the nearest pixel.
constexpr int TwipsToPixels(int twips) { return (twips + 7) / 15; }

constexpr PixelRect TwipsToPixels(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// Client area of Form1, placed on the screen where the operator first sees it.
inline constexpr PixelRect kForm1Client = TwipsToPixels(450, 3105, 2250, 600);

// Button positions inside the client area.
inline constexpr PixelRect kCommand1Rect = TwipsToPixels(240, 120, 732, 372);
inline constexpr PixelRect kCommand3Rect = TwipsToPixels(1200, 120, 732, 372);

// Colours as red, green, blue.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};
inline constexpr Rgb kForm1BackColor{192, 192, 192};
inline constexpr Rgb kButtonBackColor{224, 224, 224};

// Button font: Verdana, 7.5 points, bold, Cyrillic character set.
inline constexpr char kButtonFontFace[] = "Verdana";
inline constexpr int kButtonFontTenthsOfPoint = 75;
inline constexpr int kButtonFontWeight = 700;
inline constexpr int kButtonFontCharset = 204;

// Font height in pixels at 96 dots per inch, to the nearest pixel.
constexpr int PointsToPixels(int tenthsOfPoint) { return (tenthsOfPoint * 96 + 360) / 720; }

}  // namespace zarnik
