#include <exception>
#include <ostream>

#include "commands.h"
#include "effect_session.h"
#include "param_listing.h"

namespace ostra::cli {

int runParams(const std::string& modulePath, bool asJson, std::ostream& out, std::ostream& err) {
  try {
    EffectSession session(modulePath, false);
    if (asJson) {
      printParamsJson(session.host().params(), out);
    } else {
      printParams(session.host().params(), out);
    }
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon params: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
