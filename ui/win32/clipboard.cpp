#include "ui/win32/clipboard.hpp"

#include <cstring>
#include <memory>
#include <type_traits>

namespace drobi::win32 {
namespace {

struct GlobalRelease {
  void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalRelease>;

class OpenClipboardFor {
 public:
  explicit OpenClipboardFor(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardFor() {
    if (open_) CloseClipboard();
  }
  OpenClipboardFor(const OpenClipboardFor&) = delete;
  OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool CopyToClipboard(HWND owner, std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return false;
  auto* to = static_cast<wchar_t*>(GlobalLock(memory.get()));
  if (to == nullptr) return false;
  std::memcpy(to, text.data(), text.size() * sizeof(wchar_t));
  to[text.size()] = L'\0';
  GlobalUnlock(memory.get());
  const OpenClipboardFor clipboard(owner);
  if (!clipboard.IsOpen() || !EmptyClipboard()) return false;
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  memory.release();  // the clipboard's now
  return true;
}

}  // namespace drobi::win32
