// Saves what a window shows (frame and caption included) as a PNG file.
#ifndef ORV_TESTS_WIN32_WINDOW_CAPTURE_H
#define ORV_TESTS_WIN32_WINDOW_CAPTURE_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/win32/window_handle.h"

namespace orv::testing {

// An 8-bit RGB image, rows top to bottom.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 3
};

bool CaptureWindow(HWND window, RgbImage& image);

// PNG with stored (uncompressed) deflate blocks: no compression library needed.
std::string EncodePng(const RgbImage& image);

bool SaveWindowPng(HWND window, const std::string& path);

}  // namespace orv::testing

#endif  // ORV_TESTS_WIN32_WINDOW_CAPTURE_H
