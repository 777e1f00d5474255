// Watches every GL call the code under test makes, through the binding's callbacks: counts the
// live framebuffers, renderbuffers, textures and vertex arrays, the framebuffers generated, and
// records any GL error raised by a call. Tests thus count objects instead of reading the code.
#pragma once

#include <glbinding/AbstractFunction.h>
#include <glbinding/Binding.h>
#include <glbinding/FunctionCall.h>
#include <glbinding/Value.h>
#include <glbinding/callbacks.h>
#include <glbinding/gl33core/gl.h>

#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

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
  std::set<gl::GLuint> renderbuffers() const {
    return locked([&] { return renderbuffers_; });
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
  static void generated(const glbinding::FunctionCall& call, std::set<gl::GLuint>& names) {
    const auto n = arg<gl::GLsizei>(call, 0);
    const gl::GLuint* ids = arg<gl::GLuint*>(call, 1);
    for (gl::GLsizei i = 0; i < n; ++i) names.insert(ids[i]);
  }
  static void deleted(const glbinding::FunctionCall& call, std::set<gl::GLuint>& names) {
    const auto n = arg<gl::GLsizei>(call, 0);
    const gl::GLuint* ids = arg<const gl::GLuint*>(call, 1);
    for (gl::GLsizei i = 0; i < n; ++i) names.erase(ids[i]);
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
    if (call.parameters.size() < 2) return;
    if (name == "glGenFramebuffers") {
      generated(call, framebuffers_);
      framebuffersGenerated_ += arg<gl::GLsizei>(call, 0);
    } else if (name == "glDeleteFramebuffers") {
      deleted(call, framebuffers_);
    } else if (name == "glGenRenderbuffers") {
      generated(call, renderbuffers_);
    } else if (name == "glDeleteRenderbuffers") {
      deleted(call, renderbuffers_);
    } else if (name == "glGenTextures") {
      generated(call, textures_);
    } else if (name == "glDeleteTextures") {
      deleted(call, textures_);
    } else if (name == "glGenVertexArrays") {
      generated(call, vertexArrays_);
    } else if (name == "glDeleteVertexArrays") {
      deleted(call, vertexArrays_);
    }
  }

  mutable std::mutex mutex_;
  std::set<gl::GLuint> framebuffers_, renderbuffers_, textures_, vertexArrays_;
  int framebuffersGenerated_ = 0;
  int calls_ = 0;
  std::map<std::string, int> byName_;
  std::vector<std::string> errors_;
};

}  // namespace ostra::test
