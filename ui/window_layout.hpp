#pragma once

// The window as it is drawn before Form_Load runs: the one place that says where each control
// sits, what it reads and how it looks. Places are in twips (1/1440 inch, 15 per pixel at 96 dpi)
// and colours in the form's stored order &H00BBGGRR&, so that every row can be checked against
// the form's own figures without converting by hand.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace drobi {

enum class ControlKind {
  kList,    // a ListBox of the form: Spis(index), or Dylgo where the layout marks the long number
  kText,    // Text1(index): multi-line with a vertical scroll bar
  kLabel,   // a caption without behaviour (Etiket)
  kButton,  // Command1, whose caption comes from the form
  kSpot,    // Label1: no caption, reacts to a click
};

// Whether Tab stops at a control of that kind and a click gives it the focus: the lists, the
// text fields and the button; captions and the green spot never take it.
constexpr bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kList || kind == ControlKind::kText || kind == ControlKind::kButton;
}

// Keeps the colour that the platform gives the widget.
inline constexpr std::uint32_t kPlatformColour = 0xFFFFFFFF;

struct Rgb {
  int red, green, blue;  // 0..255
};

// A colour as the form stores it, &H00BBGGRR&.
constexpr Rgb StoredRgb(std::uint32_t stored) {
  return {static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
          static_cast<int>((stored >> 16) & 0xFF)};
}

struct ControlLayout {
  const char* name;
  ControlKind kind;
  int index;
  int left, top, width, height;  // twips
  const char* caption;           // UTF-8; nullptr for none
  const char* hover;             // UTF-8; nullptr for none
  // The hover as a screen reader speaks it: in words, as a teacher reads aloud, with no symbol
  // that a reader names (· : / ( ) .. …); digits stay digits. nullptr where there is no hover.
  const char* spoken_hover;
  // What a screen reader announces for a list or text field, from the caption above it; nullptr
  // where the control's own text says it (captions, the button) or there is nothing to name.
  const char* accessible_name;
  std::uint32_t back_colour;  // &H00BBGGRR&
  int font_points;
  // Dylgo, the long number: its rows are drawn with the marks of the period and tell a screen
  // reader the division step behind each digit.
  bool long_number = false;
};

struct WindowLayout {
  int client_width, client_height;  // twips
  std::uint32_t back_colour;
  const char* font_family;
  int font_points;
  const char* caption;
  const char* spoken_caption;  // the caption as a screen reader speaks it
};

const WindowLayout& MainWindowLayout();
// In tab order: TabIndex 0 first. Later controls lie on top of earlier ones where they overlap.
std::span<const ControlLayout> MainWindowControls();

// The control of that name ("Spis(0)", "Dylgo", "Text1(1)", ...); the layout must have it.
const ControlLayout& ControlNamed(std::string_view name);

}  // namespace drobi
