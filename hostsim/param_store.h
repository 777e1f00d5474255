// The host's record of an effect instance's parameters: what Params Setup declared, and the
// values the user set, static or keyframed, handed out by checkout at any time.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/ae_effect.h"

namespace ostra::hostsim {

// One value in the units a user works in, whatever the parameter's type:
// sliders and angles: v[0] (a number, degrees for angles); popups: v[0] the choice from 1;
// checkboxes: v[0] 0 or 1; colours: v[0..3] red, green, blue, alpha in 0 to 255; points:
// v[0], v[1] in layer pixels; layers: `layer`, or null for none.
struct ParamValue {
  std::array<double, 4> v{};
  const PF_LayerDef* layer = nullptr;
};

// Records handed to a command as its `params` argument: index 0 is the input layer.
struct ParamArray {
  std::vector<PF_ParamDef> records;
  std::vector<PF_ParamDef*> pointers;
  PF_ParamDef** data() { return pointers.empty() ? nullptr : pointers.data(); }
};

class ParamStore {
 public:
  ParamStore();

  // inter.add_param. Refuses, as a host does, an index other than -1 (append) or the next one
  // (513), an unknown type (514), a name that fills all 32 bytes with no terminator, a popup
  // whose choices do not match its count or default, a group end with no group open, and a
  // failure set up by failAddParam (516, or the code given).
  PF_Err add(PF_ParamIndex index, const PF_ParamDef& def);
  // The `nth` add from now (1 for the next) returns `err` and keeps nothing.
  void failAddParam(int nth, PF_Err err);
  PF_Err registerUi(const PF_CustomUIInfo& info);

  // The input layer and every declared parameter.
  int size() const;
  // As declared, the input layer's record at 0. Throws std::out_of_range.
  const PF_ParamDef& declared(int index) const;
  std::optional<PF_CustomUIInfo> customUi() const;
  int registerUiCalls() const;
  // Case-insensitive; -1 when no parameter has that name. Group ends have no name.
  int indexOf(std::string_view name) const;
  // The popup's choice names, in order.
  std::vector<std::string> choices(int index) const;

  // The input layer (index 0); also the size that default points are percentages of, unless
  // a full size is given: a host rendering at reduced resolution still hands out points in
  // full-resolution layer pixels.
  void setInputLayer(const PF_LayerDef* layer, double fullWidth = 0, double fullHeight = 0);
  // Every value back to its default.
  void resetValues();
  // A static value, replacing any keyframes. Throws std::out_of_range.
  void setValue(int index, const ParamValue& value);
  // A keyframe at `seconds`; one at the same time is replaced.
  void addKeyframe(int index, double seconds, const ParamValue& value);
  // The default, the static value, or the keyframes' value at `seconds`: numbers, angles,
  // points and colours interpolate linearly, popups, checkboxes and layers hold.
  ParamValue valueAt(int index, double seconds) const;
  // The declared record with its value at `seconds` filled in.
  PF_ParamDef recordAt(int index, double seconds) const;
  ParamArray arrayAt(double seconds) const;

  // inter.checkout_param / checkin_param: the value at what_time / time_scale seconds.
  PF_Err checkout(PF_ParamIndex index, A_long whatTime, A_long timeStep, A_u_long timeScale,
                  PF_ParamDef* param);
  PF_Err checkin(PF_ParamDef* param);
  // Checkouts of `index` fail with `err` until cleared (index -1: every index).
  void failCheckout(int index, PF_Err err = PF_Err_INTERNAL_STRUCT_DAMAGED);
  void clearCheckoutFailures();
  int checkouts() const;
  int outstandingCheckouts() const;

 private:
  struct Entry {
    PF_ParamDef def;
    std::string choices;  // what a popup's namesptr points at, owned here
    std::map<double, ParamValue> keys;
    std::optional<ParamValue> value;
  };
  ParamValue defaultValue(const Entry& entry) const;
  ParamValue valueAtLocked(int index, double seconds) const;
  PF_ParamDef recordAtLocked(int index, double seconds) const;
  Entry& entry(int index);
  const Entry& entry(int index) const;

  mutable std::mutex mutex_;
  std::deque<Entry> entries_;  // deque: a popup's record keeps pointing at its own string
  const PF_LayerDef* input_ = nullptr;
  double fullSize_[2] = {0, 0};
  int openGroups_ = 0;
  int addCalls_ = 0;
  int failAddAt_ = 0;
  PF_Err failAddErr_ = PF_Err_NONE;
  std::optional<PF_CustomUIInfo> customUi_;
  int registerUiCalls_ = 0;
  std::map<int, PF_Err> checkoutFailures_;
  int checkouts_ = 0;
  int outstanding_ = 0;
};

// The parameter's type, as a word for listings.
const char* paramTypeName(PF_ParamType type);

}  // namespace ostra::hostsim
