#version 330
// The surface pass's vertex stage: also hands on minus one full-size pixel as `step`.
in vec3 position;
in vec2 input_uv;
uniform vec2 viewSize;
out vec2 uv;
out vec2 step;

void main() {
  uv = input_uv;
  step = vec2(-1.0 / viewSize.x, -1.0 / viewSize.y);
  gl_Position = vec4(position, 1.0);
}
