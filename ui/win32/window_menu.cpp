#include "ui/win32/window_menu.hpp"

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr WORD kMenuCode = 0;
constexpr WORD kAcceleratorCode = 1;

// The virtual keys that type a shortcut's character, each with the Ctrl key and the modifiers
// given beside it.
std::vector<ACCEL> KeysTyping(char key, WORD command) {
  const auto with_ctrl = [command](WORD virtual_key, BYTE more = 0) {
    return ACCEL{static_cast<BYTE>(FVIRTKEY | FCONTROL | more), virtual_key, command};
  };
  switch (key) {
    case '+':
      return {with_ctrl(VK_OEM_PLUS), with_ctrl(VK_OEM_PLUS, FSHIFT), with_ctrl(VK_ADD)};
    case '-':
      return {with_ctrl(VK_OEM_MINUS), with_ctrl(VK_SUBTRACT)};
    default:
      if (key >= '0' && key <= '9') {
        return {with_ctrl(static_cast<WORD>(key)), with_ctrl(VK_NUMPAD0 + (key - '0'))};
      }
      return {with_ctrl(static_cast<WORD>(key))};  // a capital letter is its own virtual key
  }
}

}  // namespace

std::optional<CommandId> MenuCommand(WPARAM w, LPARAM l) {
  if (l != 0 || (HIWORD(w) != kMenuCode && HIWORD(w) != kAcceleratorCode)) return std::nullopt;
  for (const drobi::Menu& menu : MenuBar()) {
    for (const Command& command : menu.commands) {
      if (MenuId(command.id) == LOWORD(w)) return command.id;
    }
  }
  return std::nullopt;
}

WindowMenu::WindowMenu() : owned_(CreateMenu()), bar_(owned_.get()) {
  bool made = bar_ != nullptr;
  for (const drobi::Menu& menu : MenuBar()) {
    if (!made) break;
    OwnedMenu popup(CreatePopupMenu());
    for (const Command& command : menu.commands) {
      std::wstring title = Wide(command.title);
      if (command.shortcut.key != 0) title += L'\t' + Wide(ShortcutText(command.shortcut));
      made =
          made && popup && AppendMenuW(popup.get(), MF_STRING, MenuId(command.id), title.c_str());
    }
    // The bar destroys the menus in it with itself.
    made = made && AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()),
                               Wide(menu.title).c_str());
    if (made) popup.release();
  }
  if (!made) throw std::runtime_error("the window's menu cannot be made");
}

void WindowMenu::Attach(HWND window) {
  if (!SetMenu(window, bar_)) throw std::runtime_error("the window cannot show its menu");
  owned_.release();
}

void WindowMenu::Enable(int zoom_percent) const {
  for (const drobi::Menu& menu : MenuBar()) {
    for (const Command& command : menu.commands) {
      const bool enabled = CommandEnabled(command.id, zoom_percent);
      EnableMenuItem(bar_, MenuId(command.id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
  }
}

Accelerators MenuKeys() {
  std::vector<ACCEL> keys;
  for (const drobi::Menu& menu : MenuBar()) {
    for (const Command& command : menu.commands) {
      if (command.shortcut.key == 0) continue;
      for (const ACCEL& key : KeysTyping(command.shortcut.key, MenuId(command.id))) {
        keys.push_back(key);
      }
    }
  }
  Accelerators table(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
  if (!table) throw std::runtime_error("the menu's keys cannot be made");
  return table;
}

}  // namespace drobi::win32
