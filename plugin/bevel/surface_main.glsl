#version 330
// The bevel's surface: a normal from the shaped height, an albedo from the colour map, two
// Cook-Torrance lights and an ambient term, and the edge cut into alpha. The scene lives in
// texture coordinates: surface at z = 0, camera at (0.5, 0.5, -1), lights at z = -height.
// One mapColor definition follows this text.
in vec2 uv;
in vec2 step;
out vec4 colourOut;

const float PI = 3.14159265359;

uniform sampler2D heightMap;
uniform sampler2D colorMap;
uniform vec4 solidColor;
uniform float mapSize;
uniform float mapEvolution;
uniform float startClip;
uniform float edgeClip;
uniform float edgeFeather;
uniform float gamma;
uniform float lt1;
uniform float lt2;
uniform vec3 lp1;
uniform vec3 lp2;
uniform vec3 ltarget1;
uniform vec3 ltarget2;
uniform vec4 specColor1;
uniform vec4 specColor2;
uniform float specStrength1;
uniform float specStrength2;
uniform float ambientStrength;
uniform float metallic;
uniform float roughness;
uniform vec2 viewSize;
uniform float bevelHeight;

vec3 mapColor(vec2 pos);

// Uploaded host pixels hold A, R, G, B in r, g, b, a.
vec4 swapChannel(vec4 color) { return vec4(color.g, color.b, color.a, color.r); }

// Mirrored repeat: 0..1 unchanged, each unit step beyond flips direction.
vec2 uvMap(vec2 p) {
  vec2 outUV = vec2(abs(fract(p.x)), abs(fract(p.y)));
  vec2 grid = floor(p);
  return vec2(mix(outUV.x, 1.0 - outUV.x, mod(grid.x, 2.0)),
              mix(outUV.y, 1.0 - outUV.y, mod(grid.y, 2.0)));
}

// The shaped height: 0 up to the bevel's start, a smooth rise to 1 at its end, bent by gamma.
float bumpFunc(vec2 p) {
  float height = texture(heightMap, p).z;
  return abs(pow(smoothstep(startClip, 1.0, height), gamma));
}

vec4 normalInfo() {
  float tl = bumpFunc(uvMap(vec2(uv.x - step.x, uv.y + step.y)));
  float l = bumpFunc(uvMap(vec2(uv.x - step.x, uv.y)));
  float bl = bumpFunc(uvMap(vec2(uv.x - step.x, uv.y - step.y)));
  float t = bumpFunc(uvMap(vec2(uv.x, uv.y + step.y)));
  float b = bumpFunc(uvMap(vec2(uv.x, uv.y - step.y)));
  float tr = bumpFunc(uvMap(vec2(uv.x + step.x, uv.y + step.y)));
  float r = bumpFunc(uvMap(vec2(uv.x + step.x, uv.y)));
  float br = bumpFunc(uvMap(vec2(uv.x + step.x, uv.y - step.y)));
  float dx = 3.0 * tl + 10.0 * l + 3.0 * bl - 3.0 * tr - 10.0 * r - 3.0 * br;
  float dy = 3.0 * tl + 10.0 * t + 3.0 * tr - 3.0 * bl - 10.0 * b - 3.0 * br;
  return vec4(normalize(vec3(-dx, dy, -1.0)), bumpFunc(uv));
}

float DistributionGGX(vec3 N, vec3 H, float roughness) {
  float a = roughness * roughness;
  float a2 = a * a;
  float NdotH = max(dot(N, H), 0.0);
  float denom = NdotH * NdotH * (a2 - 1.0) + 1.0;
  return a2 / (PI * denom * denom);
}

float GeometrySchlickGGX(float NdotV, float roughness) {
  float r = roughness + 1.0;
  float k = r * r / 8.0;
  return NdotV / (NdotV * (1.0 - k) + k);
}

float GeometrySmith(vec3 N, vec3 V, vec3 L, float roughness) {
  return GeometrySchlickGGX(max(dot(N, L), 0.0), roughness) *
         GeometrySchlickGGX(max(dot(N, V), 0.0), roughness);
}

vec3 fresnelSchlick(float cosTheta, vec3 F0) {
  return F0 + (1.0 - F0) * pow(max(1.0 - cosTheta, 0.0), 5.0);
}

float luma(vec3 color) { return dot(color, vec3(0.2125, 0.7154, 0.0721)); }

// Type 0 lights from its position towards each point; type 1 along target -> position.
vec3 light(float type, vec3 lightPosition, vec3 targetPosition, vec3 lightColor,
           float specStrength, vec3 WorldPos, vec3 N, vec3 V, vec3 F0, vec3 albedo) {
  vec3 ld = mix(lightPosition - WorldPos, lightPosition - targetPosition, type);
  // A light exactly at the point has no direction; a floor on the distance keeps the result
  // finite (it lights nothing there, as N.L is 0) where normalize would give NaN.
  float dist = max(length(ld), 1e-6);
  vec3 L = ld / dist;
  vec3 H = normalize(V + L);
  float attenuation = luma(albedo) * specStrength / (dist * dist * dist);
  vec3 radiance = lightColor * attenuation;

  float NDF = DistributionGGX(N, H, roughness);
  float G = GeometrySmith(N, V, L, roughness);
  vec3 F = fresnelSchlick(max(dot(H, V), 0.0), F0);
  vec3 specular = NDF * G * F / (4.0 * max(dot(N, V), 0.0) * max(dot(N, L), 0.0) + 0.001);

  vec3 kD = (1.0 - F) * (1.0 - metallic);
  float NdotL = max(dot(N, L), 0.0);
  return (kD * albedo / PI + specular) * radiance * NdotL;
}

// smoothstep with equal edges is undefined; a zero-width ramp is a hard cut instead: transparent
// at or below the clip, opaque above it.
float edgeAlpha(float shapedHeight) {
  float top = edgeClip + (1.0 - edgeClip) * edgeFeather;
  if (top <= edgeClip) return shapedHeight > edgeClip ? 1.0 : 0.0;
  return smoothstep(edgeClip, top, shapedHeight);
}

void main() {
  vec4 info = normalInfo();
  vec3 sp = vec3(uv, 0.0);
  vec3 camPos = vec3(0.5, 0.5, -1.0);
  vec3 albedo = mapColor(uv - info.w * info.xy * bevelHeight);
  vec3 N = info.xyz;
  vec3 V = normalize(camPos - sp);
  vec3 F0 = mix(vec3(0.04), vec3(1.0), metallic);
  vec3 Lo = light(lt1, lp1, ltarget1, specColor1.rgb, specStrength1, sp, N, V, F0, albedo) +
            light(lt2, lp2, ltarget2, specColor2.rgb, specStrength2, sp, N, V, F0, albedo);
  vec3 color = ambientStrength * albedo + Lo;
  colourOut = vec4(clamp(color, 0.0, 1.0), edgeAlpha(info.w));
}
