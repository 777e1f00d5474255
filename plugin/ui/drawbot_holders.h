// Scoped holders of the Drawbot objects a draw creates: each is created through the Supplier
// suite in its constructor and handed back to it in the destructor, on every way out.
#pragma once

#include "plugin/ui/drawbot_exception.h"
#include "sdk/drawbot.h"

namespace Kestrix::Bevel {

template <typename Ref>
class SharedRefImpl {
 public:
  // A failed release is not acted on: a destructor has no one to report to, and an error
  // leaving it would end the process while a draw is already unwinding. The object is the
  // host's to reclaim after that; nothing of ours refers to it any more.
  virtual ~SharedRefImpl() {
    if (ref_ == nullptr) return;
    try {
      supplierSuite_->ReleaseObject(ref_);
    } catch (...) {
    }
  }
  SharedRefImpl(const SharedRefImpl&) = delete;
  SharedRefImpl& operator=(const SharedRefImpl&) = delete;

  Ref get() const { return ref_; }

 protected:
  explicit SharedRefImpl(const DRAWBOT_SupplierSuite1* supplierSuite)
      : supplierSuite_(supplierSuite) {}

  // Keeps the reference only when the host made the object; otherwise raises its code.
  void created(A_Err err, Ref made) {
    if (err != 0) throw DRAWBOT_Exception(err);
    ref_ = made;
  }

  Ref ref_ = nullptr;
  const DRAWBOT_SupplierSuite1* supplierSuite_;
};

class DRAWBOT_PathP : public SharedRefImpl<DRAWBOT_PathRef> {
 public:
  DRAWBOT_PathP(const DRAWBOT_SupplierSuite1* supplierSuite, DRAWBOT_SupplierRef supplier);
};

class DRAWBOT_BrushP : public SharedRefImpl<DRAWBOT_BrushRef> {
 public:
  DRAWBOT_BrushP(const DRAWBOT_SupplierSuite1* supplierSuite, DRAWBOT_SupplierRef supplier,
                 const DRAWBOT_ColorRGBA* color);
};

class DRAWBOT_FontP : public SharedRefImpl<DRAWBOT_FontRef> {
 public:
  DRAWBOT_FontP(const DRAWBOT_SupplierSuite1* supplierSuite, DRAWBOT_SupplierRef supplier,
                float fontSize);
};

}  // namespace Kestrix::Bevel
