#include "png_io.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace ostra::cli {
namespace {

// libpng reports failures by longjmp; nothing with a destructor may live between the setjmp
// and the calls it guards, so the file and the write struct are released by hand after.
bool writeRows(std::FILE* file, int width, int height, std::span<const std::uint8_t> rgba) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_const_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) rows[y] = rgba.data() + static_cast<std::size_t>(y) * width * 4;
  bool written = false;
  if (setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_rows(png, const_cast<png_bytepp>(rows.data()), static_cast<png_uint_32>(height));
    png_write_end(png, nullptr);
    written = true;
  }
  png_destroy_write_struct(&png, &info);
  return written;
}

}  // namespace

void writePng(const std::string& path, int width, int height, std::span<const std::uint8_t> rgba) {
  if (width < 1 || height < 1 ||
      rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
    throw std::invalid_argument("image size does not match its pixels");
  }
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + temporary);
  const bool written = writeRows(file, width, height, rgba);
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (!written || !closed) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error("cannot write the PNG image " + path);
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error("cannot move the image into place as " + path);
  }
}

}  // namespace ostra::cli
