// Owners for COM: the apartment a piece of work needs, and interface
// pointers released on every path.
#pragma once

#include <windows.h>
// objbase.h needs windows.h before it.
#include <objbase.h>

#include <memory>

namespace vx {

// Joins the thread to a single-threaded apartment for the length of a scope;
// a thread already in one stays as it was.
class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// A new in-process object of class `id`, seen through Interface; null on failure.
template <typename Interface>
ComPtr<Interface> MakeComObject(REFCLSID id) {
  void* object = nullptr;
  if (FAILED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface), &object))) {
    return nullptr;
  }
  return ComPtr<Interface>(static_cast<Interface*>(object));
}

// The same object seen through another of its interfaces; null when it has none.
template <typename Interface>
ComPtr<Interface> QueryCom(IUnknown* object) {
  void* other = nullptr;
  if (!object || FAILED(object->QueryInterface(__uuidof(Interface), &other))) return nullptr;
  return ComPtr<Interface>(static_cast<Interface*>(other));
}

}  // namespace vx
