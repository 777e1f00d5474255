#include "png_io.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace ostra::cli {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// libpng reports errors through longjmp by default; turn them into exceptions at the call site
// instead by recording the message and jumping back to a point that throws.
[[noreturn]] void onError(png_structp png, png_const_charp message) {
  auto* text = static_cast<std::string*>(png_get_error_ptr(png));
  if (text != nullptr) *text = message;
  png_longjmp(png, 1);
}
void onWarning(png_structp, png_const_charp) {}

// The libpng calls, each behind its own jump point: after a jump nothing but the result is used.
bool decode(png_structp png, png_infop info, std::FILE* file, const std::string& path,
            RgbaImage* image, std::vector<std::string>* notices) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);

  const png_byte colorType = png_get_color_type(png, info);
  const png_byte depth = png_get_bit_depth(png, info);
  const bool hasAlpha =
      (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (depth == 16) {
    png_set_strip_16(png);
    if (notices) notices->push_back(path + ": 16-bit channels reduced to 8 bits");
  }
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) png_set_tRNS_to_alpha(png);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if (!hasAlpha) {
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (notices) notices->push_back(path + ": no alpha channel, read as opaque");
  }
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);

  image->width = static_cast<int>(png_get_image_width(png, info));
  image->height = static_cast<int>(png_get_image_height(png, info));
  const std::size_t stride = static_cast<std::size_t>(image->width) * 4;
  if (png_get_rowbytes(png, info) != stride) png_error(png, "unexpected row layout");
  image->rgba.resize(stride * static_cast<std::size_t>(image->height));
  // Row by row: no object of this frame may need destroying when libpng jumps back.
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < image->height; ++y) {
      png_read_row(png, image->rgba.data() + static_cast<std::size_t>(y) * stride, nullptr);
    }
  }
  png_read_end(png, nullptr);
  return true;
}

bool encode(png_structp png, png_infop info, std::FILE* file, const RgbaImage& image,
            png_bytep* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

RgbaImage readPng(const std::string& path, std::vector<std::string>* notices) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) throw std::runtime_error("cannot open " + path);
  png_byte signature[8] = {};
  if (std::fread(signature, 1, 8, file.get()) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
    throw std::runtime_error(path + " is not a PNG file");
  }

  std::string message;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, onError, onWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    throw std::runtime_error("out of memory reading " + path);
  }
  RgbaImage image;
  const bool ok = decode(png, info, file.get(), path, &image, notices);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) throw std::runtime_error("cannot read " + path + ": " + message);
  return image;
}

void writePng(const std::string& path, const RgbaImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
    throw std::runtime_error("cannot write " + path + ": the image is empty or malformed");
  }
  const std::filesystem::path target(path);
  const std::filesystem::path temporary = target.string() + ".part";
  {
    File file(std::fopen(temporary.string().c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot create " + temporary.string());
    std::string message;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &message, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    const std::size_t stride = static_cast<std::size_t>(image.width) * 4;
    for (std::size_t y = 0; y < rows.size(); ++y) {
      rows[y] = const_cast<png_bytep>(image.rgba.data() + y * stride);
    }
    const bool failed = info == nullptr || !encode(png, info, file.get(), image, rows.data());
    png_destroy_write_struct(&png, &info);
    if (failed || std::fflush(file.get()) != 0 || std::ferror(file.get())) {
      file.reset();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw std::runtime_error("cannot write " + path + (message.empty() ? "" : ": " + message));
    }
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, target, renamed);
  if (renamed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw std::runtime_error("cannot write " + path + ": " + renamed.message());
  }
}

}  // namespace ostra::cli
