#pragma once

// What the menu bar offers, declared once: each window builds its own menu bar, accelerators and
// shortcuts from this table and never spells a title or a key of its own. The menus sit outside
// the form's client area, which they leave as it is.

#include <span>
#include <string>
#include <string_view>

namespace drobi {

enum class CommandId {
  kDivisionView,  // opens the written division of the selected fraction
  kEnterFraction,  // the teacher's own fraction into the selected row
  kExercises,      // opens the exercises
  kWorksheet,      // the worksheet dialog: printed sheets with their keys, or a PDF
  kZoomIn,
  kZoomOut,
  kActualSize,
  kAbout,
};

// A key with Ctrl: a capital Latin letter, a digit, '+' or '-'; 0 for none.
struct Shortcut {
  char key = 0;
};

struct Command {
  CommandId id;
  // UTF-8, with '&' before the access key, as Qt and Windows menus take it.
  const char* title;
  Shortcut shortcut;
  // The title as a screen reader says it, where it differs from the title without its '&'.
  const char* spoken = nullptr;
};

struct Menu {
  const char* title;  // with '&' before the access key
  std::span<const Command> commands;
};

// «Урок», «Изглед», «Помощ», left to right.
std::span<const Menu> MenuBar();
const Command& CommandOf(CommandId id);

// Whether the command does anything now: the zoom steps while there is a step further that way,
// for a window or view shown at `zoom_percent`.
bool CommandEnabled(CommandId id, int zoom_percent);

// A title without its '&'; the access key, the letter after it (UTF-8), or "" for none.
std::string PlainTitle(std::string_view title);
std::string AccessKey(std::string_view title);
// «Ctrl++», «Ctrl+0», as menus show a shortcut; "" for none.
std::string ShortcutText(Shortcut shortcut);

// The lines of «Относно»: the program's name and what it is for, its version, its licence.
std::span<const char* const> AboutLines();
inline constexpr const char* kAboutTitle = "Относно drobi";

}  // namespace drobi
