#pragma once

namespace vs::design {

// Design geometry is in twips: 1440 to the inch, 15 to the pixel at 96 DPI.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  int red;
  int green;
  int blue;
};

// A window's fixed client area and its caption.
struct Window {
  const char* caption;
  int width;
  int height;
};

// The caption is the control's initial text; "&" marks a button's access key.
struct Control {
  const char* name;
  TwipRect place;
  const char* caption = "";
  const char* toolTip = "";
  bool centred = false;  // a label's text
};

// Decoration drawn beneath the controls, one pixel wide at 96 DPI.
struct Frame {
  const char* name;
  TwipRect place;
  Rgb colour;
};

struct HorizontalLine {
  const char* name;
  int left;
  int right;
  int top;
  Rgb colour;
};

// A scroll bar's range and starting value.
struct Range {
  int minimum;
  int maximum;
  int value;
};

inline constexpr Rgb kDarkRed{192, 0, 0};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kGreen{0, 192, 0};

}  // namespace vs::design
