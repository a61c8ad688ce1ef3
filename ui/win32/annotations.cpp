// The service's GUIDs are defined here, in the one file that uses them.
#include "ui/win32/annotations.hpp"

#include <initguid.h>

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

void Annotations::Clear() noexcept {
  if (services_) {
    for (const Annotation& annotation : given_) {
      services_->ClearHwndProps(annotation.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                &IdOf(annotation.property), 1);
    }
  }
  given_.clear();
}

}  // namespace drobi::win32
