#include "plugin/gpu/gl_binding.h"

#include <glbinding/Binding.h>
#include <glbinding/ContextInfo.h>
#include <glbinding/Meta.h>
#include <glbinding/Version.h>
#include <iostream>

namespace Kestrix::Bevel {

void useCurrentGlBinding() {
  const glbinding::ContextHandle context = glbinding::getCurrentContext();
  // initialize() returns early for a context it already knows, without switching to it.
  glbinding::Binding::initialize(context, false, false);
  glbinding::Binding::useContext(context);
}

void startGlBindingAndReport() {
  useCurrentGlBinding();
  std::cout << std::endl;
  std::cout << "OpenGL Version:  " << glbinding::ContextInfo::version().toString() << std::endl;
  std::cout << "OpenGL Vendor:   " << glbinding::ContextInfo::vendor() << std::endl;
  std::cout << "OpenGL Renderer: " << glbinding::ContextInfo::renderer() << std::endl;
  std::cout << "OpenGL Revision: " << glbinding::Meta::glRevision() << " (gl.xml)" << std::endl;
  std::cout << std::endl;
}

}  // namespace Kestrix::Bevel
