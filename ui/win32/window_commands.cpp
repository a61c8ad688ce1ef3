#include "ui/win32/window_commands.hpp"

#include <string>
#include <utility>

#include "ui/lesson/written_division.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

// The zoom step of a zoom command: +1 larger, -1 smaller, 0 back to 100 %.
int ZoomDirection(CommandId command) {
  return command == CommandId::kZoomIn ? 1 : command == CommandId::kZoomOut ? -1 : 0;
}

void ShowAbout(HWND owner) {
  std::string lines;
  for (const char* line : AboutLines()) lines += std::string(lines.empty() ? "" : "\n") + line;
  MessageBoxW(owner, Wide(lines).c_str(), Wide(kAboutTitle).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

WindowCommands::WindowCommands(MainForm& form, HWND window, ErrorEdge& edge,
                               Annotations& annotations, std::function<void(int)> zoom)
    : form_(form),
      window_(window),
      edge_(edge),
      annotations_(annotations),
      zoom_(std::move(zoom)),
      keys_(MenuKeys()),
      fraction_(window, edge, [this](const EnteredFraction& fraction) {
        edge_.Run([&] { EnterFraction(form_, fraction); });
      }) {
  menu_.Attach(window_);
}

HWND WindowCommands::KeyTarget(HWND to) const {
  for (const HWND window : {view_ ? view_->Handle() : nullptr, window_}) {
    if (window != nullptr && (to == window || IsChild(window, to))) return window;
  }
  return nullptr;
}

bool WindowCommands::OnCommand(WPARAM w, LPARAM l) {
  const auto command = MenuCommand(w, l);
  if (command) Perform(*command, false);
  return command.has_value();
}

void WindowCommands::Perform(CommandId command, bool in_view) {
  switch (command) {
    case CommandId::kDivisionView:
      OpenView();
      return;
    case CommandId::kZoomIn:
    case CommandId::kZoomOut:
    case CommandId::kActualSize:
      if (in_view && view_) {
        view_->Zoom(ZoomDirection(command));
      } else {
        zoom_(ZoomDirection(command));
      }
      return;
    case CommandId::kEnterFraction:
      if (!edge_.Failed()) fraction_.Open();  // the form's lists may be half written
      return;
    case CommandId::kWorksheet:
      if (!edge_.Failed()) worksheet_.Open();  // the form's lists may be half written
      return;
    case CommandId::kExercises:
      if (!edge_.Failed()) OpenExercises();  // the form's lists may be half written
      return;
    case CommandId::kAbout:
      ShowAbout(window_);
      return;
  }
}

void WindowCommands::OpenView() {
  if (edge_.Failed()) return;  // the form's lists may be half written
  const LessonText text = WrittenDivisionOf(form_);
  if (!view_) {
    view_ = std::make_unique<DivisionView>(window_, text, edge_,
                                           [this](CommandId command) { Perform(command, true); });
  }
  view_->Open(text);
}

void WindowCommands::OpenExercises() {
  if (!exercises_) {
    exercises_ = std::make_unique<ExercisesView>(
        window_, form_, edge_, annotations_, [this] { OpenView(); },
        [this](CommandId command) { Perform(command, false); });
  }
  exercises_->Open();
}

void WindowCommands::FormChanged() const {
  if (view_ && view_->IsOpen()) view_->Follow(WrittenDivisionOf(form_));
}

}  // namespace drobi::win32
