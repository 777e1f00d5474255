#include "hostsim/world.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace ostra::hostsim {
namespace {

constexpr std::int64_t kBytesPerPixel = 4;

std::size_t packedSize(A_long width, A_long height) {
  return static_cast<std::size_t>(static_cast<std::int64_t>(width) * height * kBytesPerPixel);
}

// A width too large for its row to fit in an A_long is refused, not wrapped.
A_long packedRowbytes(A_long width) {
  const std::int64_t rowbytes = static_cast<std::int64_t>(width) * kBytesPerPixel;
  if (rowbytes > std::numeric_limits<A_long>::max()) {
    throw std::invalid_argument("a row of " + std::to_string(width) + " pixels is too long");
  }
  return static_cast<A_long>(rowbytes);
}

}  // namespace

World::World(A_long width, A_long height) : World(width, height, packedRowbytes(width)) {}

World::World(A_long width, A_long height, A_long rowbytes) {
  if (width < 0 || height < 0) {
    throw std::invalid_argument("world size " + std::to_string(width) + " x " +
                                std::to_string(height) + " is negative");
  }
  if (rowbytes < static_cast<std::int64_t>(width) * kBytesPerPixel) {
    throw std::invalid_argument("rowbytes " + std::to_string(rowbytes) + " is shorter than " +
                                std::to_string(width) + " pixels");
  }
  // Padding gets the sentinel, pixels start transparent black.
  bytes_.assign(static_cast<std::size_t>(static_cast<std::int64_t>(rowbytes) * height),
                kPaddingSentinel);
  const std::size_t rowWidth = static_cast<std::size_t>(width) * kBytesPerPixel;
  for (A_long y = 0; y < height; ++y) {
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(y) * rowbytes, rowWidth, 0);
  }
  def_.rowbytes = rowbytes;
  def_.width = width;
  def_.height = height;
  def_.extent_hint = {0, 0, width, height};
  def_.pix_aspect_ratio = {1, 1};
  bind();
}

World World::fromPacked(std::span<const std::uint8_t> argb, A_long width, A_long height) {
  return fromPacked(argb, width, height, packedRowbytes(width));
}

World World::fromPacked(std::span<const std::uint8_t> argb, A_long width, A_long height,
                        A_long rowbytes) {
  World world(width, height, rowbytes);
  if (argb.size() != packedSize(width, height)) {
    throw std::invalid_argument(std::to_string(argb.size()) + " bytes do not make " +
                                std::to_string(width) + " x " + std::to_string(height) +
                                " ARGB pixels");
  }
  const std::size_t rowWidth = static_cast<std::size_t>(width) * kBytesPerPixel;
  for (A_long y = 0; y < height; ++y) {
    std::memcpy(world.bytes_.data() + static_cast<std::size_t>(y) * rowbytes,
                argb.data() + static_cast<std::size_t>(y) * rowWidth, rowWidth);
  }
  return world;
}

std::vector<std::uint8_t> World::toPacked() const {
  std::vector<std::uint8_t> argb(packedSize(width(), height()));
  const std::size_t rowWidth = static_cast<std::size_t>(width()) * kBytesPerPixel;
  for (A_long y = 0; y < height(); ++y) {
    std::memcpy(argb.data() + static_cast<std::size_t>(y) * rowWidth,
                bytes_.data() + static_cast<std::size_t>(y) * rowbytes(), rowWidth);
  }
  return argb;
}

World::World(const World& other) : bytes_(other.bytes_), def_(other.def_) { bind(); }

World& World::operator=(const World& other) {
  if (this != &other) {
    bytes_ = other.bytes_;
    def_ = other.def_;
    bind();
  }
  return *this;
}

World::World(World&& other) noexcept : World() { swap(other); }

World& World::operator=(World&& other) noexcept {
  World taken(std::move(other));
  swap(taken);
  return *this;
}

PF_Pixel& World::at(A_long x, A_long y) {
  return const_cast<PF_Pixel&>(std::as_const(*this).at(x, y));
}

const PF_Pixel& World::at(A_long x, A_long y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) {
    throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") is outside the " + std::to_string(width()) + " x " +
                            std::to_string(height()) + " world");
  }
  const std::size_t offset = static_cast<std::size_t>(y) * static_cast<std::size_t>(rowbytes()) +
                             static_cast<std::size_t>(x) * kBytesPerPixel;
  // PF_Pixel is four bytes with no alignment of its own, so any row start is a valid address.
  return *reinterpret_cast<const PF_Pixel*>(bytes_.data() + offset);
}

void World::fill(PF_Pixel pixel) {
  for (A_long y = 0; y < height(); ++y) {
    for (A_long x = 0; x < width(); ++x) at(x, y) = pixel;
  }
}

bool World::paddingIntact() const {
  const std::size_t rowWidth = static_cast<std::size_t>(width()) * kBytesPerPixel;
  for (A_long y = 0; y < height(); ++y) {
    const auto row = bytes_.begin() + static_cast<std::ptrdiff_t>(y) * rowbytes();
    if (!std::all_of(row + static_cast<std::ptrdiff_t>(rowWidth), row + rowbytes(),
                     [](std::uint8_t byte) { return byte == kPaddingSentinel; })) {
      return false;
    }
  }
  return true;
}

void World::swap(World& other) noexcept {
  bytes_.swap(other.bytes_);
  std::swap(def_, other.def_);
  bind();
  other.bind();
}

void World::bind() {
  def_.data = bytes_.empty() ? nullptr : reinterpret_cast<PF_Pixel*>(bytes_.data());
}

}  // namespace ostra::hostsim
