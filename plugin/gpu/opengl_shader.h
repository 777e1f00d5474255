// A vertex and fragment shader pair, linked lazily into one program on first use, with
// uniforms set by name.
#pragma once

#include <glbinding/gl33core/gl.h>
#include <cstdint>
#include <map>
#include <string>

namespace Kestrix::Bevel {

class OpenglShader {
 public:
  OpenglShader(std::string vertexSource, std::string fragmentSource);
  virtual ~OpenglShader();
  OpenglShader(const OpenglShader&) = delete;
  OpenglShader& operator=(const OpenglShader&) = delete;

  // Records a location to bind before linking; a name keeps its first location.
  void bindAttribute(const std::string& name, int32_t location);
  // Builds the program if there is none (a failed build is tried again), then makes it current.
  void use();
  void compileAndLink();

  // While there is no program, every operation below does nothing at all.
  void setFloat(const std::string& name, float value);
  void setVec2(const std::string& name, double x, double y);
  void setVec2(const std::string& name, float x, float y);
  void setVec3(const std::string& name, float x, float y, float z);
  void setVec4(const std::string& name, const double (&value)[4]);
  void setTexture(const std::string& name, gl::GLenum target, gl::GLuint texture, int32_t unit);
  void enableAttribute2(gl::GLuint index, uintptr_t offset, gl::GLsizei stride);
  void enableAttribute3(gl::GLuint index, uintptr_t offset, gl::GLsizei stride);
  void disableAttribute(gl::GLuint index);

  gl::GLuint program() const { return program_; }

 private:
  gl::GLint location(const std::string& name) const;

  std::string vertexSource_;
  std::string fragmentSource_;
  gl::GLuint program_ = 0;
  std::map<std::string, int32_t> attributeLocations_;
};

}  // namespace Kestrix::Bevel
