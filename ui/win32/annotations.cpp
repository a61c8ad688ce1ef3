// The service's GUIDs are defined here, in the one file that uses them.
#include "ui/win32/annotations.hpp"

#include <initguid.h>

#include <algorithm>

namespace drobi::win32 {
namespace {

const MSAAPROPID& IdOf(Annotations::Property property) {
  switch (property) {
    case Annotations::Property::kName:
      return PROPID_ACC_NAME;
    case Annotations::Property::kDescription:
      return PROPID_ACC_DESCRIPTION;
    case Annotations::Property::kHelp:
      break;
  }
  return PROPID_ACC_HELP;
}

IAccPropServices* MakeServices() {
  void* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, &services))) {
    return nullptr;
  }
  return static_cast<IAccPropServices*>(services);
}

}  // namespace

Annotations::Annotations()
    : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))),
      services_(MakeServices()) {}

Annotations::~Annotations() {
  Clear();
  services_.reset();
  if (joined_) CoUninitialize();
}

void Annotations::Describe(HWND control, const std::wstring& hover, bool named) {
  for (const Property property : {Property::kName, Property::kDescription, Property::kHelp}) {
    if (property == Property::kName && !named) continue;
    given_.push_back({control, property, hover});
    // A "not implemented" or any other refusal leaves the control as Windows describes it.
    if (services_) {
      services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                IdOf(property), hover.c_str());
    }
  }
}

void Annotations::Set(HWND control, Property property, const std::wstring& text) {
  const auto same = [&](const Annotation& given) {
    return given.control == control && given.property == property && given.child == CHILDID_SELF;
  };
  if (const auto at = std::find_if(given_.begin(), given_.end(), same); at != given_.end()) {
    at->text = text;
  } else {
    given_.push_back({control, property, text});
  }
  if (services_) {
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              IdOf(property), text.c_str());
  }
}

void Annotations::DescribeRows(HWND list, const std::vector<std::wstring>& notes) {
  std::erase_if(given_, [this, list](const Annotation& annotation) {
    const bool row = annotation.control == list && annotation.child != CHILDID_SELF;
    if (row) Take(annotation);
    return row;
  });
  for (std::size_t row = 0; row < notes.size(); ++row) {
    if (notes[row].empty()) continue;
    const auto child = static_cast<LONG>(row + 1);
    given_.push_back({list, Property::kDescription, notes[row], child});
    if (services_) {
      services_->SetHwndPropStr(list, static_cast<DWORD>(OBJID_CLIENT), static_cast<DWORD>(child),
                                PROPID_ACC_DESCRIPTION, notes[row].c_str());
    }
  }
}

void Annotations::Take(const Annotation& annotation) const noexcept {
  if (services_) {
    services_->ClearHwndProps(annotation.control, static_cast<DWORD>(OBJID_CLIENT),
                              static_cast<DWORD>(annotation.child), &IdOf(annotation.property), 1);
  }
}

void Annotations::Clear() noexcept {
  for (const Annotation& annotation : given_) Take(annotation);
  given_.clear();
}

}  // namespace drobi::win32
