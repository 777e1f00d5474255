#version 330
// The vertex stage every full-screen pass shares: position through, texture coordinate to uv.
in vec3 position;
in vec2 input_uv;
out vec2 uv;

void main() {
  uv = input_uv;
  gl_Position = vec4(position, 1.0);
}
