#include "plugin/gpu/opengl_shader.h"

#include <algorithm>
#include <cstdio>

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

constexpr GLsizei kLogSize = 512;

void printShaderLog(GLuint shader, const char* tag) {
  char log[kLogSize] = {};
  GLsizei length = 0;
  glGetShaderInfoLog(shader, kLogSize - 1, &length, log);
  log[std::clamp<GLsizei>(length, 0, kLogSize - 1)] = '\0';
  std::printf("Shader %s error:\n%s\n", tag, log);
  std::fflush(stdout);
}

bool compile(GLuint shader, const std::string& source, const char* tag) {
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint status = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status != 1) {
    printShaderLog(shader, tag);
    return false;
  }
  return true;
}

}  // namespace

OpenglShader::OpenglShader(std::string vertexSource, std::string fragmentSource)
    : vertexSource_(std::move(vertexSource)), fragmentSource_(std::move(fragmentSource)) {}

OpenglShader::~OpenglShader() {
  if (program_ != 0) glDeleteProgram(program_);
}

void OpenglShader::bindAttribute(const std::string& name, int32_t location) {
  attributeLocations_.emplace(name, location);
}

void OpenglShader::use() {
  if (program_ == 0) compileAndLink();
  glUseProgram(program_);
}

void OpenglShader::compileAndLink() {
  const GLuint vertex = glCreateShader(GL_VERTEX_SHADER);
  const GLuint fragment = glCreateShader(GL_FRAGMENT_SHADER);
  // A failed build releases its shader and program objects: it is tried again on every use().
  if (!compile(vertex, vertexSource_, "vert") || !compile(fragment, fragmentSource_, "frag")) {
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return;
  }
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  for (const auto& [name, location] : attributeLocations_) {
    glBindAttribLocation(program, static_cast<GLuint>(location), name.c_str());
  }
  glLinkProgram(program);
  GLint status = 0;
  glGetProgramiv(program, GL_LINK_STATUS, &status);
  glDetachShader(program, vertex);
  glDetachShader(program, fragment);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  if (status == 1) {
    program_ = program;
    return;
  }
  char log[kLogSize] = {};
  GLsizei length = 0;
  glGetProgramInfoLog(program, kLogSize - 1, &length, log);
  log[std::clamp<GLsizei>(length, 0, kLogSize - 1)] = '\0';
  std::printf("Program error:\n%s\n", log);
  std::fflush(stdout);
  glDeleteProgram(program);
}

GLint OpenglShader::location(const std::string& name) const {
  return glGetUniformLocation(program_, name.c_str());
}

void OpenglShader::setFloat(const std::string& name, float value) {
  if (program_ == 0) return;
  const GLint at = location(name);
  if (at != -1) glUniform1f(at, value);
}

void OpenglShader::setVec2(const std::string& name, double x, double y) {
  setVec2(name, static_cast<float>(x), static_cast<float>(y));
}

void OpenglShader::setVec2(const std::string& name, float x, float y) {
  if (program_ == 0) return;
  const GLint at = location(name);
  if (at != -1) glUniform2f(at, x, y);
}

void OpenglShader::setVec3(const std::string& name, float x, float y, float z) {
  if (program_ == 0) return;
  const GLint at = location(name);
  if (at != -1) glUniform3f(at, x, y, z);
}

void OpenglShader::setVec4(const std::string& name, const double (&value)[4]) {
  if (program_ == 0) return;
  const GLint at = location(name);
  if (at != -1) {
    glUniform4f(at, static_cast<float>(value[0]), static_cast<float>(value[1]),
                static_cast<float>(value[2]), static_cast<float>(value[3]));
  }
}

void OpenglShader::setTexture(const std::string& name, GLenum target, GLuint texture,
                              int32_t unit) {
  if (program_ == 0) return;
  glActiveTexture(static_cast<GLenum>(static_cast<unsigned>(GL_TEXTURE0) + unit));
  glBindTexture(target, texture);
  const GLint at = location(name);
  if (at != -1) glUniform1i(at, unit);
}

void OpenglShader::enableAttribute2(GLuint index, uintptr_t offset, GLsizei stride) {
  if (program_ == 0) return;
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offset));
}

void OpenglShader::enableAttribute3(GLuint index, uintptr_t offset, GLsizei stride) {
  if (program_ == 0) return;
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offset));
}

void OpenglShader::disableAttribute(GLuint index) {
  if (program_ == 0) return;
  glDisableVertexAttribArray(index);
}

}  // namespace Kestrix::Bevel
