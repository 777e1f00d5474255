#include "plugin/ui/drawbot_exception.h"

namespace Kestrix::Bevel {

DRAWBOT_Exception::~DRAWBOT_Exception() = default;

const char* DRAWBOT_Exception::what() const noexcept { return "Drawbot object not created"; }

}  // namespace Kestrix::Bevel
