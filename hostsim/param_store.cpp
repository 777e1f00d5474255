#include "hostsim/param_store.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace ostra::hostsim {
namespace {

bool knownType(PF_ParamType type) {
  switch (type) {
    case PF_Param_LAYER:
    case PF_Param_SLIDER:
    case PF_Param_FIX_SLIDER:
    case PF_Param_ANGLE:
    case PF_Param_CHECKBOX:
    case PF_Param_COLOR:
    case PF_Param_POINT:
    case PF_Param_POPUP:
    case PF_Param_NO_DATA:
    case PF_Param_FLOAT_SLIDER:
    case PF_Param_GROUP_START:
    case PF_Param_GROUP_END:
      return true;
    default:
      return false;
  }
}

// Values a record cannot hold are clamped to what it can, as a host's value fields are.
A_long toLong(double value) {
  if (std::isnan(value)) return 0;
  const double lo = std::numeric_limits<A_long>::min();
  const double hi = std::numeric_limits<A_long>::max();
  return static_cast<A_long>(std::clamp(std::round(value), lo, hi));
}

PF_Fixed toFixed(double value) { return toLong(value * 65536.0); }

A_u_char toByte(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<A_u_char>(std::clamp(std::round(value), 0.0, 255.0));
}

bool interpolates(PF_ParamType type) {
  switch (type) {
    case PF_Param_SLIDER:
    case PF_Param_FIX_SLIDER:
    case PF_Param_FLOAT_SLIDER:
    case PF_Param_ANGLE:
    case PF_Param_COLOR:
    case PF_Param_POINT:
      return true;
    default:
      return false;
  }
}

std::vector<std::string> splitChoices(const std::string& names) {
  std::vector<std::string> out;
  std::string::size_type start = 0;
  while (true) {
    const auto bar = names.find('|', start);
    out.push_back(names.substr(start, bar - start));
    if (bar == std::string::npos) return out;
    start = bar + 1;
  }
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

ParamStore::ParamStore() {
  Entry input{};
  std::memset(&input.def, 0, sizeof(input.def));
  input.def.param_type = PF_Param_LAYER;
  entries_.push_back(input);
}

PF_Err ParamStore::add(PF_ParamIndex index, const PF_ParamDef& def) {
  std::lock_guard lock(mutex_);
  ++addCalls_;
  if (failAddAt_ != 0 && addCalls_ == failAddAt_) {
    failAddAt_ = 0;
    return failAddErr_;
  }
  if (index != -1 && index != static_cast<PF_ParamIndex>(entries_.size())) {
    return PF_Err_INVALID_INDEX;
  }
  if (!knownType(def.param_type)) return PF_Err_UNRECOGNIZED_PARAM_TYPE;
  if (std::memchr(def.name, '\0', sizeof(def.name)) == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  if (def.param_type == PF_Param_GROUP_END && openGroups_ == 0) return PF_Err_BAD_CALLBACK_PARAM;

  Entry added{};
  added.def = def;
  if (def.param_type == PF_Param_POPUP) {
    const PF_PopupDef& popup = def.u.pd;
    if (popup.u.namesptr == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    added.choices = popup.u.namesptr;
    const auto count = static_cast<A_long>(splitChoices(added.choices).size());
    if (popup.num_choices != count || popup.dephault < 1 || popup.dephault > count) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
  }
  if (def.param_type == PF_Param_GROUP_START) ++openGroups_;
  if (def.param_type == PF_Param_GROUP_END) --openGroups_;
  entries_.push_back(std::move(added));
  Entry& kept = entries_.back();
  if (kept.def.param_type == PF_Param_POPUP) kept.def.u.pd.u.namesptr = kept.choices.c_str();
  return PF_Err_NONE;
}

void ParamStore::failAddParam(int nth, PF_Err err) {
  std::lock_guard lock(mutex_);
  failAddAt_ = addCalls_ + nth;
  failAddErr_ = err;
}

PF_Err ParamStore::registerUi(const PF_CustomUIInfo& info) {
  std::lock_guard lock(mutex_);
  ++registerUiCalls_;
  customUi_ = info;
  return PF_Err_NONE;
}

int ParamStore::size() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(entries_.size());
}

const PF_ParamDef& ParamStore::declared(int index) const {
  std::lock_guard lock(mutex_);
  return entry(index).def;
}

std::optional<PF_CustomUIInfo> ParamStore::customUi() const {
  std::lock_guard lock(mutex_);
  return customUi_;
}

int ParamStore::registerUiCalls() const {
  std::lock_guard lock(mutex_);
  return registerUiCalls_;
}

int ParamStore::indexOf(std::string_view name) const {
  std::lock_guard lock(mutex_);
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    const std::string_view own(entries_[i].def.name);
    if (!own.empty() && sameName(own, name)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> ParamStore::choices(int index) const {
  std::lock_guard lock(mutex_);
  const Entry& e = entry(index);
  if (e.def.param_type != PF_Param_POPUP) return {};
  return splitChoices(e.choices);
}

void ParamStore::setInputLayer(const PF_LayerDef* layer, double fullWidth, double fullHeight) {
  std::lock_guard lock(mutex_);
  input_ = layer;
  fullSize_[0] = fullWidth;
  fullSize_[1] = fullHeight;
}

void ParamStore::resetValues() {
  std::lock_guard lock(mutex_);
  for (Entry& e : entries_) {
    e.keys.clear();
    e.value.reset();
  }
}

void ParamStore::setValue(int index, const ParamValue& value) {
  std::lock_guard lock(mutex_);
  Entry& e = entry(index);
  e.keys.clear();
  e.value = value;
}

void ParamStore::addKeyframe(int index, double seconds, const ParamValue& value) {
  std::lock_guard lock(mutex_);
  Entry& e = entry(index);
  e.value.reset();
  e.keys[seconds] = value;
}

ParamValue ParamStore::valueAt(int index, double seconds) const {
  std::lock_guard lock(mutex_);
  return valueAtLocked(index, seconds);
}

PF_ParamDef ParamStore::recordAt(int index, double seconds) const {
  std::lock_guard lock(mutex_);
  return recordAtLocked(index, seconds);
}

ParamArray ParamStore::arrayAt(double seconds) const {
  std::lock_guard lock(mutex_);
  ParamArray array;
  array.records.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    array.records.push_back(recordAtLocked(static_cast<int>(i), seconds));
  }
  for (PF_ParamDef& record : array.records) array.pointers.push_back(&record);
  return array;
}

PF_Err ParamStore::checkout(PF_ParamIndex index, A_long whatTime, A_long /*timeStep*/,
                            A_u_long timeScale, PF_ParamDef* param) {
  std::lock_guard lock(mutex_);
  if (param == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  if (index < 0 || index >= static_cast<PF_ParamIndex>(entries_.size())) {
    return PF_Err_INVALID_INDEX;
  }
  for (const int failing : {static_cast<int>(index), -1}) {
    if (const auto found = checkoutFailures_.find(failing); found != checkoutFailures_.end()) {
      return found->second;
    }
  }
  const double seconds = timeScale == 0 ? 0.0 : static_cast<double>(whatTime) / timeScale;
  *param = recordAtLocked(index, seconds);
  ++checkouts_;
  ++outstanding_;
  return PF_Err_NONE;
}

PF_Err ParamStore::checkin(PF_ParamDef* param) {
  std::lock_guard lock(mutex_);
  if (param == nullptr || outstanding_ == 0) return PF_Err_BAD_CALLBACK_PARAM;
  --outstanding_;
  return PF_Err_NONE;
}

void ParamStore::failCheckout(int index, PF_Err err) {
  std::lock_guard lock(mutex_);
  checkoutFailures_[index] = err;
}

void ParamStore::clearCheckoutFailures() {
  std::lock_guard lock(mutex_);
  checkoutFailures_.clear();
}

int ParamStore::checkouts() const {
  std::lock_guard lock(mutex_);
  return checkouts_;
}

int ParamStore::outstandingCheckouts() const {
  std::lock_guard lock(mutex_);
  return outstanding_;
}

ParamValue ParamStore::defaultValue(const Entry& e) const {
  ParamValue value;
  const PF_ParamDefUnion& u = e.def.u;
  switch (e.def.param_type) {
    case PF_Param_SLIDER:
      value.v[0] = u.sd.dephault;
      break;
    case PF_Param_FIX_SLIDER:
      value.v[0] = u.fd.dephault / 65536.0;
      break;
    case PF_Param_FLOAT_SLIDER:
      value.v[0] = u.fs_d.value;
      break;
    case PF_Param_ANGLE:
      value.v[0] = u.ad.dephault / 65536.0;
      break;
    case PF_Param_CHECKBOX:
      value.v[0] = u.bd.dephault;
      break;
    case PF_Param_POPUP:
      value.v[0] = u.pd.dephault;
      break;
    case PF_Param_COLOR:
      value.v = {static_cast<double>(u.cd.dephault.red), static_cast<double>(u.cd.dephault.green),
                 static_cast<double>(u.cd.dephault.blue), static_cast<double>(u.cd.dephault.alpha)};
      break;
    case PF_Param_POINT: {
      // Declared as percentages of the input layer; the user sees layer pixels.
      const bool full = fullSize_[0] > 0 && fullSize_[1] > 0;
      const double width = full ? fullSize_[0] : input_ != nullptr ? input_->width : 0;
      const double height = full ? fullSize_[1] : input_ != nullptr ? input_->height : 0;
      value.v[0] = u.td.x_dephault / 65536.0 / 100.0 * width;
      value.v[1] = u.td.y_dephault / 65536.0 / 100.0 * height;
      break;
    }
    default:
      break;
  }
  return value;
}

ParamValue ParamStore::valueAtLocked(int index, double seconds) const {
  const Entry& e = entry(index);
  if (index == 0) {
    ParamValue input;
    input.layer = input_;
    return input;
  }
  if (e.value) return *e.value;
  if (e.keys.empty()) return defaultValue(e);
  const auto after = e.keys.upper_bound(seconds);
  if (after == e.keys.begin()) return after->second;
  const auto before = std::prev(after);
  if (after == e.keys.end() || !interpolates(e.def.param_type)) return before->second;
  const double t = (seconds - before->first) / (after->first - before->first);
  ParamValue mixed = before->second;
  for (std::size_t i = 0; i < mixed.v.size(); ++i) {
    mixed.v[i] = before->second.v[i] + (after->second.v[i] - before->second.v[i]) * t;
  }
  return mixed;
}

PF_ParamDef ParamStore::recordAtLocked(int index, double seconds) const {
  PF_ParamDef record = entry(index).def;
  const ParamValue value = valueAtLocked(index, seconds);
  PF_ParamDefUnion& u = record.u;
  switch (record.param_type) {
    case PF_Param_SLIDER:
      u.sd.value = toLong(value.v[0]);
      break;
    case PF_Param_FIX_SLIDER:
      u.fd.value = toFixed(value.v[0]);
      break;
    case PF_Param_FLOAT_SLIDER:
      u.fs_d.value = value.v[0];
      break;
    case PF_Param_ANGLE:
      u.ad.value = toFixed(value.v[0]);
      break;
    case PF_Param_CHECKBOX:
      u.bd.value = toLong(value.v[0]);
      break;
    case PF_Param_POPUP:
      u.pd.value = toLong(value.v[0]);
      break;
    case PF_Param_COLOR:
      u.cd.value = {toByte(value.v[3]), toByte(value.v[0]), toByte(value.v[1]), toByte(value.v[2])};
      break;
    case PF_Param_POINT:
      u.td.x_value = toFixed(value.v[0]);
      u.td.y_value = toFixed(value.v[1]);
      break;
    case PF_Param_LAYER:
      if (value.layer != nullptr) {
        u.ld = *value.layer;
      } else {
        std::memset(&u.ld, 0, sizeof(u.ld));
      }
      break;
    default:
      break;
  }
  return record;
}

ParamStore::Entry& ParamStore::entry(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) {
    throw std::out_of_range("no parameter at index " + std::to_string(index));
  }
  return entries_[static_cast<std::size_t>(index)];
}

const ParamStore::Entry& ParamStore::entry(int index) const {
  return const_cast<ParamStore*>(this)->entry(index);
}

const char* paramTypeName(PF_ParamType type) {
  switch (type) {
    case PF_Param_LAYER:
      return "layer";
    case PF_Param_SLIDER:
      return "slider";
    case PF_Param_FIX_SLIDER:
      return "fixed slider";
    case PF_Param_ANGLE:
      return "angle";
    case PF_Param_CHECKBOX:
      return "checkbox";
    case PF_Param_COLOR:
      return "color";
    case PF_Param_POINT:
      return "point";
    case PF_Param_POPUP:
      return "popup";
    case PF_Param_NO_DATA:
      return "no data";
    case PF_Param_FLOAT_SLIDER:
      return "float slider";
    case PF_Param_GROUP_START:
      return "group start";
    case PF_Param_GROUP_END:
      return "group end";
    default:
      return "unknown";
  }
}

}  // namespace ostra::hostsim
