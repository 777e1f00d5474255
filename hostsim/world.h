// An 8-bit ARGB layer world owned by the host: what the host hands an effect as its input and
// output layers. Rows may be padded, as real hosts pad them; the padding holds a sentinel so a
// test can prove that nobody wrote past a row's width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sdk/ae_world.h"

namespace ostra::hostsim {

class World {
 public:
  // What every byte past a row's width holds until someone writes there.
  static constexpr std::uint8_t kPaddingSentinel = 0xAB;

  // An empty 0 × 0 world.
  World() : World(0, 0) {}
  // Rows are width × 4 bytes apart.
  World(A_long width, A_long height);
  // Rows are `rowbytes` apart, any value of at least width × 4, a multiple of 4 or not. Throws
  // std::invalid_argument for a negative size or a row shorter than its pixels.
  World(A_long width, A_long height, A_long rowbytes);

  // From tightly packed ARGB bytes, width × height × 4 of them (else std::invalid_argument).
  static World fromPacked(std::span<const std::uint8_t> argb, A_long width, A_long height);
  static World fromPacked(std::span<const std::uint8_t> argb, A_long width, A_long height,
                          A_long rowbytes);
  // The pixels as tightly packed ARGB bytes, the padding left out.
  std::vector<std::uint8_t> toPacked() const;

  // Copies own their bytes; a moved-from world is empty.
  World(const World& other);
  World& operator=(const World& other);
  World(World&& other) noexcept;
  World& operator=(World&& other) noexcept;
  ~World() = default;

  // data, rowbytes, width, height and extent_hint describe this world; world_flags is 0. The
  // record is the one to hand the effect: it stays valid while the world lives.
  PF_LayerDef& def() { return def_; }
  const PF_LayerDef& def() const { return def_; }

  A_long width() const { return def_.width; }
  A_long height() const { return def_.height; }
  A_long rowbytes() const { return def_.rowbytes; }

  // Throws std::out_of_range outside the world.
  PF_Pixel& at(A_long x, A_long y);
  const PF_Pixel& at(A_long x, A_long y) const;
  void fill(PF_Pixel pixel);

  // All rowbytes × height bytes, padding included.
  std::span<std::uint8_t> bytes() { return bytes_; }
  std::span<const std::uint8_t> bytes() const { return bytes_; }
  // Every padding byte still holds kPaddingSentinel.
  bool paddingIntact() const;

 private:
  void swap(World& other) noexcept;
  // Points def().data at the bytes; null for a world with none.
  void bind();

  std::vector<std::uint8_t> bytes_;
  PF_LayerDef def_{};
};

}  // namespace ostra::hostsim
