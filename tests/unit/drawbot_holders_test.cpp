// Each holder creates its object through the Supplier suite and gives it back exactly once;
// a refused creation raises its code, and a failed release never leaves the destructor.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "plugin/ui/drawbot_holders.h"

using Kestrix::Bevel::DRAWBOT_BrushP;
using Kestrix::Bevel::DRAWBOT_Exception;
using Kestrix::Bevel::DRAWBOT_FontP;
using Kestrix::Bevel::DRAWBOT_PathP;

namespace {

struct FakeSupplier {
  A_Err createResult = 0;
  A_Err releaseResult = 0;
  bool releaseThrows = false;
  int made = 0;
  int released = 0;
  DRAWBOT_SupplierRef seenSupplier = nullptr;
  float seenSize = 0;
};
FakeSupplier fake;
int object = 0;
DRAWBOT_ObjectRef const kObject = reinterpret_cast<DRAWBOT_ObjectRef>(&object);

A_Err make(DRAWBOT_SupplierRef supplier, DRAWBOT_ObjectRef* out) {
  fake.seenSupplier = supplier;
  if (fake.createResult != 0) return fake.createResult;
  ++fake.made;
  *out = kObject;
  return 0;
}

const DRAWBOT_SupplierSuite1 kSuite{
    [](DRAWBOT_SupplierRef s, const DRAWBOT_ColorRGBA*, DRAWBOT_BrushRef* b) { return make(s, b); },
    [](DRAWBOT_SupplierRef, float*) -> A_Err { return 0; },
    [](DRAWBOT_SupplierRef s, float size, DRAWBOT_FontRef* f) {
      fake.seenSize = size;
      return make(s, f);
    },
    [](DRAWBOT_SupplierRef s, DRAWBOT_PathRef* p) { return make(s, p); },
    [](DRAWBOT_ObjectRef o) -> A_Err {
      EXPECT_EQ(o, kObject);
      ++fake.released;
      if (fake.releaseThrows) throw std::string("host fault");
      return fake.releaseResult;
    },
};

const DRAWBOT_SupplierRef kSupplier = reinterpret_cast<DRAWBOT_SupplierRef>(&fake);
constexpr DRAWBOT_ColorRGBA kColor{0.1f, 0.2f, 0.3f, 1.0f};

struct HolderCase {
  const char* name;
  std::function<void()> hold;  // makes the holder and lets it go
};

class Holder : public ::testing::TestWithParam<HolderCase> {
 protected:
  void SetUp() override { fake = {}; }
};

TEST_P(Holder, ReleasesWhatItCreatedExactlyOnce) {
  GetParam().hold();
  EXPECT_EQ(fake.seenSupplier, kSupplier);
  EXPECT_EQ(fake.made, 1);
  EXPECT_EQ(fake.released, 1);
}

TEST_P(Holder, RefusedCreationRaisesTheCodeAndReleasesNothing) {
  fake.createResult = 42;
  try {
    GetParam().hold();
    FAIL() << "no exception";
  } catch (const DRAWBOT_Exception& e) {
    EXPECT_EQ(e.code(), 42);
    EXPECT_NE(std::string(e.what()), "");
  }
  EXPECT_EQ(fake.released, 0);
}

TEST_P(Holder, AFailedReleaseStaysInsideTheDestructor) {
  fake.releaseResult = 7;
  EXPECT_NO_THROW(GetParam().hold());
  fake.releaseThrows = true;
  EXPECT_NO_THROW(GetParam().hold());
  EXPECT_EQ(fake.released, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Holder,
    ::testing::Values(HolderCase{"path", [] { DRAWBOT_PathP path(&kSuite, kSupplier); }},
                      HolderCase{"brush",
                                 [] { DRAWBOT_BrushP brush(&kSuite, kSupplier, &kColor); }},
                      HolderCase{"font",
                                 [] {
                                   DRAWBOT_FontP font(&kSuite, kSupplier, 12.0f);
                                   EXPECT_EQ(fake.seenSize, 12.0f);
                                 }}),
    [](const auto& kind) { return std::string(kind.param.name); });

}  // namespace
