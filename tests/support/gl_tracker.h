// Watches every GL call the code under test makes, through the binding's callbacks: counts the
// live framebuffers, renderbuffers, textures, vertex arrays, buffers, programs and shaders, the
// framebuffers generated, and records any GL error raised by a call and any float uniform set to
// NaN or infinity. Tests thus count objects instead of reading the code. Framebuffers and vertex
// arrays belong to one context each, so they are told apart by the context current at the call;
// the other objects are shared.
#pragma once

#include <glbinding/AbstractFunction.h>
#include <glbinding/Binding.h>
#include <glbinding/FunctionCall.h>
#include <glbinding/Value.h>
#include <glbinding/callbacks.h>
#include <glbinding/gl33core/gl.h>

#include <cmath>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace ostra::test {

class GlTracker {
 public:
  GlTracker() {
    instance() = this;
    glbinding::setCallbackMaskExcept(
        glbinding::CallbackMask::After | glbinding::CallbackMask::ParametersAndReturnValue,
        {"glGetError"});
    glbinding::setAfterCallback([](const glbinding::FunctionCall& call) {
      if (GlTracker* self = instance()) self->record(call);
    });
  }
  ~GlTracker() {
    glbinding::setCallbackMask(glbinding::CallbackMask::None);
    instance() = nullptr;
  }
  GlTracker(const GlTracker&) = delete;
  GlTracker& operator=(const GlTracker&) = delete;

 private:
  template <typename F>
  auto locked(F f) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return f();
  }

 public:
  size_t liveFramebuffers() const {
    return locked([&] { return framebuffers_.size(); });
  }
  size_t liveRenderbuffers() const {
    return locked([&] { return renderbuffers_.size(); });
  }
  size_t liveTextures() const {
    return locked([&] { return textures_.size(); });
  }
  size_t liveVertexArrays() const {
    return locked([&] { return vertexArrays_.size(); });
  }
  size_t liveBuffers() const {
    return locked([&] { return buffers_.size(); });
  }
  size_t livePrograms() const {
    return locked([&] { return programs_.size(); });
  }
  size_t liveShaders() const {
    return locked([&] { return shaders_.size(); });
  }
  int framebuffersGenerated() const {
    return locked([&] { return framebuffersGenerated_; });
  }
  int calls() const {
    return locked([&] { return calls_; });
  }
  int callsOf(const std::string& function) const {
    return locked([&] {
      auto it = byName_.find(function);
      return it == byName_.end() ? 0 : it->second;
    });
  }
  std::vector<std::string> errors() const {
    return locked([&] { return errors_; });
  }
  // Records every call made while `context` is current, such as a host's own context, which the
  // code under test must leave alone.
  void watchContext(const void* context) {
    locked([&] {
      watched_ = context;
      return 0;
    });
  }
  std::vector<std::string> callsInWatchedContext() const {
    return locked([&] { return callsInWatched_; });
  }
  // "glUniform2f(location 3): nan, 1" for each float uniform given a value that is not finite.
  std::vector<std::string> nonFiniteUniforms() const {
    return locked([&] { return nonFiniteUniforms_; });
  }
  std::set<gl::GLuint> renderbuffers() const {
    return locked([&] {
      std::set<gl::GLuint> names;
      for (const ContextName& name : renderbuffers_) names.insert(name.second);
      return names;
    });
  }

 private:
  static GlTracker*& instance() {
    static GlTracker* current = nullptr;
    return current;
  }

  // The binding keeps a recorded value protected; a pointer to the member, taken in a derived
  // class, reads it legally.
  template <typename T>
  struct ValueReader : glbinding::Value<T> {
    static T read(const glbinding::AbstractValue* v) {
      constexpr auto member = &ValueReader::value;
      return static_cast<const glbinding::Value<T>*>(v)->*member;
    }
  };
  template <typename T>
  static T arg(const glbinding::FunctionCall& call, size_t i) {
    return ValueReader<T>::read(call.parameters[i]);
  }
  // A name, with the context it belongs to for framebuffers and vertex arrays (null for shared
  // objects).
  using ContextName = std::pair<const void*, gl::GLuint>;

  static void generated(const glbinding::FunctionCall& call, std::set<ContextName>& names,
                        const void* context = nullptr) {
    const auto n = arg<gl::GLsizei>(call, 0);
    const gl::GLuint* ids = arg<gl::GLuint*>(call, 1);
    for (gl::GLsizei i = 0; i < n; ++i) names.insert({context, ids[i]});
  }
  static void deleted(const glbinding::FunctionCall& call, std::set<ContextName>& names,
                      const void* context = nullptr) {
    const auto n = arg<gl::GLsizei>(call, 0);
    const gl::GLuint* ids = arg<const gl::GLuint*>(call, 1);
    for (gl::GLsizei i = 0; i < n; ++i) names.erase({context, ids[i]});
  }

  void checkUniform(const std::string& name, const glbinding::FunctionCall& call) {
    std::string values;
    bool finite = true;
    for (size_t i = 1; i < call.parameters.size(); ++i) {
      const auto value = arg<gl::GLfloat>(call, i);
      finite = finite && std::isfinite(value);
      values += (i > 1 ? ", " : "") + std::to_string(value);
    }
    if (!finite) {
      nonFiniteUniforms_.push_back(name + "(location " + std::to_string(arg<gl::GLint>(call, 0)) +
                                   "): " + values);
    }
  }

  void record(const glbinding::FunctionCall& call) {
    const std::string name = call.function->name();
    const gl::GLenum error = gl::glGetError();
    std::lock_guard<std::mutex> lock(mutex_);
    ++calls_;
    ++byName_[name];
    if (error != gl::GL_NO_ERROR) {
      errors_.push_back(name + ": error 0x" + std::to_string(static_cast<unsigned>(error)));
    }
    if (watched_ != nullptr && wglGetCurrentContext() == watched_) callsInWatched_.push_back(name);
    if (name == "glCreateProgram" || name == "glCreateShader") {
      auto& names = name == "glCreateProgram" ? programs_ : shaders_;
      const auto created = ValueReader<gl::GLuint>::read(call.returnValue);
      if (created != 0) names.insert({nullptr, created});
      return;
    }
    if (name == "glDeleteProgram" || name == "glDeleteShader") {
      auto& names = name == "glDeleteProgram" ? programs_ : shaders_;
      names.erase({nullptr, arg<gl::GLuint>(call, 0)});
      return;
    }
    if (name == "glUniform1f" || name == "glUniform2f" || name == "glUniform3f" ||
        name == "glUniform4f") {
      checkUniform(name, call);
      return;
    }
    if (call.parameters.size() < 2) return;
    const bool perContext = name.ends_with("Framebuffers") || name.ends_with("VertexArrays");
    const void* context = perContext ? wglGetCurrentContext() : nullptr;
    if (name == "glGenFramebuffers") {
      generated(call, framebuffers_, context);
      framebuffersGenerated_ += arg<gl::GLsizei>(call, 0);
    } else if (name == "glDeleteFramebuffers") {
      deleted(call, framebuffers_, context);
    } else if (name == "glGenRenderbuffers") {
      generated(call, renderbuffers_);
    } else if (name == "glDeleteRenderbuffers") {
      deleted(call, renderbuffers_);
    } else if (name == "glGenTextures") {
      generated(call, textures_);
    } else if (name == "glDeleteTextures") {
      deleted(call, textures_);
    } else if (name == "glGenVertexArrays") {
      generated(call, vertexArrays_, context);
    } else if (name == "glDeleteVertexArrays") {
      deleted(call, vertexArrays_, context);
    } else if (name == "glGenBuffers") {
      generated(call, buffers_);
    } else if (name == "glDeleteBuffers") {
      deleted(call, buffers_);
    }
  }

  mutable std::mutex mutex_;
  std::set<ContextName> framebuffers_, vertexArrays_, renderbuffers_, textures_, buffers_,
      programs_, shaders_;
  int framebuffersGenerated_ = 0;
  int calls_ = 0;
  std::map<std::string, int> byName_;
  std::vector<std::string> errors_;
  std::vector<std::string> nonFiniteUniforms_;
  const void* watched_ = nullptr;
  std::vector<std::string> callsInWatched_;
};

}  // namespace ostra::test
