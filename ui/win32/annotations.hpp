#pragma once

#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace drobi::win32 {

// What a screen reader learns of the controls beyond what Windows finds itself, handed to the
// system's annotation service (Dynamic Annotation, IAccPropServices): each control's hover text,
// in its spoken form, as its description and help, and as its name for a control with no text of
// its own. Where the service is missing or does not implement a call (Wine), the texts are simply
// not there; the window works the same.
class Annotations {
 public:
  enum class Property { kName, kDescription, kHelp };
  struct Annotation {
    HWND control;
    Property property;
    std::wstring text;
    LONG child = CHILDID_SELF;  // a row of a list: its number + 1
  };

  // Joins the thread to COM, which the service needs, for as long as it lives.
  Annotations();
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  // `hover` (spoken) as the control's description and help, and as its name where `named` is set.
  void Describe(HWND control, const std::wstring& hover, bool named);
  // `text` as one property of `control`, in place of what that property was given before: for a
  // text that changes as the user works (a question, a verdict).
  void Set(HWND control, Property property, const std::wstring& text);
  // `notes[row]` as the description of each row of `list` that has one, in place of those given
  // before, which the rows the list held then may no longer match.
  void DescribeRows(HWND list, const std::vector<std::wstring>& notes);
  // Takes every text back; the window does so when it goes, while its controls are there.
  void Clear() noexcept;
  // Every text handed to the service, whatever it answered.
  const std::vector<Annotation>& Given() const { return given_; }

 private:
  struct Release {
    void operator()(IAccPropServices* services) const noexcept { services->Release(); }
  };

  void Take(const Annotation& annotation) const noexcept;

  bool joined_;  // to COM, which it leaves last
  std::unique_ptr<IAccPropServices, Release> services_;
  std::vector<Annotation> given_;
};

}  // namespace drobi::win32
