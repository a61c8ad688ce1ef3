#include "ui/lesson/menu_commands.hpp"

#include <array>
#include <stdexcept>

#include "ui/window_scale.hpp"

namespace drobi {
namespace {

constexpr std::array<Command, 4> kLesson{{
    {CommandId::kDivisionView, "&Деление в тетрадката", {'D'}},
    {CommandId::kEnterFraction, "&Въведете дроб…", {'E'}},
    {CommandId::kExercises, "&Упражнения", {'U'}},
    {CommandId::kWorksheet, "&Работен лист…", {'P'}},
}};
constexpr std::array<Command, 3> kView{{
    {CommandId::kZoomIn, "&Увеличи", {'+'}},
    {CommandId::kZoomOut, "&Намали", {'-'}},
    {CommandId::kActualSize, "&Действителен размер", {'0'}},
}};
constexpr std::array<Command, 1> kHelp{{
    {CommandId::kAbout, "&Относно", {}},
}};
constexpr std::array<Menu, 3> kMenus{{
    {"&Урок", kLesson},
    {"&Изглед", kView},
    {"&Помощ", kHelp},
}};

constexpr std::array<const char*, 3> kAbout{{
    "drobi " DROBI_VERSION,
    "Десетичните дроби и дългото деление: кога делението свършва и кога се повтаря.",
    "Лиценз: собственически, всички права запазени.",
}};

}  // namespace

std::span<const Menu> MenuBar() { return kMenus; }

const Command& CommandOf(CommandId id) {
  for (const Menu& menu : kMenus) {
    for (const Command& command : menu.commands) {
      if (command.id == id) return command;
    }
  }
  throw std::logic_error("a command without a menu");
}

bool CommandEnabled(CommandId id, int zoom_percent) {
  switch (id) {
    case CommandId::kZoomIn:
      return zoom_percent < kZoomSteps[std::size(kZoomSteps) - 1];
    case CommandId::kZoomOut:
      return zoom_percent > kZoomSteps[0];
    case CommandId::kActualSize:
      return zoom_percent != kZoomSteps[0];
    case CommandId::kDivisionView:
    case CommandId::kEnterFraction:
    case CommandId::kExercises:
    case CommandId::kWorksheet:
    case CommandId::kAbout:
      return true;
  }
  return true;
}

std::string PlainTitle(std::string_view title) {
  std::string plain(title);
  if (const auto amp = plain.find('&'); amp != std::string::npos) plain.erase(amp, 1);
  return plain;
}

std::string AccessKey(std::string_view title) {
  const auto amp = title.find('&');
  if (amp == std::string_view::npos || amp + 1 >= title.size()) return {};
  std::size_t end = amp + 2;
  while (end < title.size() && (static_cast<unsigned char>(title[end]) & 0xC0) == 0x80) ++end;
  return std::string(title.substr(amp + 1, end - amp - 1));
}

std::string ShortcutText(Shortcut shortcut) {
  return shortcut.key == 0 ? std::string() : std::string("Ctrl+") + shortcut.key;
}

std::span<const char* const> AboutLines() { return kAbout; }

}  // namespace drobi
