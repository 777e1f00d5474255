#include <exception>
#include <ostream>
#include <stdexcept>

#include "commands.h"
#include "effect_session.h"
#include "param_listing.h"
#include "param_values.h"

namespace ostra::cli {

int runParams(const std::string& modulePath, bool asJson, const std::vector<std::string>& sets,
              std::ostream& out, std::ostream& err) {
  try {
    EffectSession session(modulePath, false);
    hostsim::Host& host = session.host();
    // The host asks for the controls' state before it shows them, then reports each change.
    sendOrThrow(host, PF_Cmd_UPDATE_PARAMS_UI, "Update Params UI", host.paramArray().data());
    for (const std::string& set : sets) {
      const auto [name, text] = splitAssignment(set);
      const int index = settableIndex(host.params(), name);
      const hostsim::CallResult changed =
          host.changeParam(index, parseValue(host.params(), index, text));
      if (changed.err != PF_Err_NONE) {
        throw std::runtime_error("User Changed Param for " + name + " failed with error " +
                                 std::to_string(changed.err));
      }
    }
    if (asJson) {
      printParamsJson(host, out);
    } else {
      printParams(host, out);
    }
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon params: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
