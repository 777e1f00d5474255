#include "bench/copy_floor.h"

#include <glbinding/Binding.h>
#include <glbinding/gl33core/gl.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

using namespace gl33core;

namespace ostra::cli {
namespace {

const char* const kVertex = R"(#version 330 core
void main() {
  vec2 corner = vec2(float((gl_VertexID & 1) << 2), float((gl_VertexID & 2) << 1));
  gl_Position = vec4(corner - 1.0, 0.0, 1.0);
})";
const char* const kFragment = R"(#version 330 core
uniform sampler2D source;
out vec4 color;
void main() { color = texelFetch(source, ivec2(gl_FragCoord.xy), 0); })";

// The host's context current on this thread for a scope, and none after it.
class HostContextScope {
 public:
  explicit HostContextScope(hostsim::Host& host) {
    if (!wglMakeCurrent(host.hostDC(), host.hostGLContext())) {
      throw std::runtime_error("the host's OpenGL context cannot be made current");
    }
    glbinding::Binding::initialize(glbinding::getCurrentContext(), false, false);
    glbinding::Binding::useContext(glbinding::getCurrentContext());
  }
  ~HostContextScope() { wglMakeCurrent(nullptr, nullptr); }
  HostContextScope(const HostContextScope&) = delete;
  HostContextScope& operator=(const HostContextScope&) = delete;
};

// Every name the pass made, released when it goes.
struct CopyPass {
  GLuint program = 0;
  GLuint textures[2] = {0, 0};
  GLuint framebuffer = 0;
  GLuint vertexArray = 0;
  GLuint query = 0;
  ~CopyPass() {
    glDeleteQueries(1, &query);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(2, textures);
    glDeleteProgram(program);
  }
};

GLuint compile(GLenum type, const char* text) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    glDeleteShader(shader);
    throw std::runtime_error("the copy pass does not compile");
  }
  return shader;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

FloorTime measureCopyFloor(hostsim::Host& host, int width, int height, int repeats) {
  HostContextScope current(host);
  CopyPass pass;
  const GLuint vertex = compile(GL_VERTEX_SHADER, kVertex);
  const GLuint fragment = compile(GL_FRAGMENT_SHADER, kFragment);
  pass.program = glCreateProgram();
  glAttachShader(pass.program, vertex);
  glAttachShader(pass.program, fragment);
  glLinkProgram(pass.program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint linked = 0;
  glGetProgramiv(pass.program, GL_LINK_STATUS, &linked);
  if (!linked) throw std::runtime_error("the copy pass does not link");

  glGenTextures(2, pass.textures);
  for (GLuint texture : pass.textures) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(GL_NEAREST));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(GL_NEAREST));
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(GL_RGBA32F), width, height, 0, GL_RGBA,
                 GL_FLOAT, nullptr);
  }
  glGenFramebuffers(1, &pass.framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, pass.framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, pass.textures[1], 0);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    throw std::runtime_error("the copy pass's target is incomplete");
  }
  glGenVertexArrays(1, &pass.vertexArray);
  glBindVertexArray(pass.vertexArray);
  glGenQueries(1, &pass.query);
  glViewport(0, 0, width, height);
  glUseProgram(pass.program);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, pass.textures[0]);
  glUniform1i(glGetUniformLocation(pass.program, "source"), 0);

  std::vector<double> gpu, wall;
  for (int i = -2; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    glBeginQuery(GL_TIME_ELAPSED, pass.query);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glEndQuery(GL_TIME_ELAPSED);
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    GLuint64 nanoseconds = 0;
    glGetQueryObjectui64v(pass.query, GL_QUERY_RESULT, &nanoseconds);
    if (i < 0) continue;
    gpu.push_back(static_cast<double>(nanoseconds) * 1e-6);
    wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  glUseProgram(0);
  glBindVertexArray(0);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  return {median(gpu), median(wall)};
}

std::string hostRenderer(hostsim::Host& host) {
  HostContextScope current(host);
  const GLubyte* text = glGetString(GL_RENDERER);
  return text ? reinterpret_cast<const char*>(text) : "unknown";
}

}  // namespace ostra::cli
