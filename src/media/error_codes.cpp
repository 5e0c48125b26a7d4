#include "media/error_codes.h"

#include <climits>

namespace bv::media {

namespace {

struct Entry {
  int32_t code;
  const char* text;
};

// Kept: "inapropriate" and "Could create" are the texts as the players have
// always seen them.
constexpr Entry kTexts[] = {
    {0, "No error"},
    {-1, "The method was called with invalid parameters or in inapropriate situation"},
    {-2, "Could not initialize Direct3D"},
    {-3, "Could not initialize Direct3D Device"},
    {-4, "Could not enumerate video modes"},
    {-5, "Direct3D device error"},
    {-6, "Could not create vertex buffer"},
    {-7, "Error working with vertex buffer"},
    {-8, "Error setting rendering parameters"},
    {-9, "Operating with vertex array failed"},
    {-10, "Creating Direct3D texture failed"},
    {-11, "Invalid or unsupported format"},
    {-12, "Error loading pixconv.dll"},
    {-13, "The data supplied is invalid or unsupported"},
    {-14, "Archive specific error"},
    {-15, "Data block is not a pattern image"},
    {-16, "Data block is not a file"},
    {-17, "Error reading from disk"},
    {-18, "Error writing to disk"},
    {-19, "Data record is not a font"},
    {-20, "Invalid archive signature"},
    {-21, "Archive record already exists"},
    {-22, "Archive record was not found"},
    {-23, "Archive record corrupt"},
    {-24, "Archive record failed CRC32"},
    {-25, "Failed to initialize archive"},
    {-26, "Error reading archive header"},
    {-27, "Unsupported archive file version"},
    {-28, "Invalid archive security option"},
    {-29, "Could create DirectInput interface"},
    {-30, "Could not create Keyboard device"},
    {-31, "Failed to set Keyboard data format"},
    {-32, "Failed set Keyboard cooperative level"},
    {-33, "Could not create Mouse device"},
    {-34, "Failed to set Mouse data format"},
    {-35, "Failed set Mouse cooperative level"},
    {-36, "Failed to create Mouse event"},
    {-37, "Failed to set Mouse event"},
    {-38, "Failed to set Mouse buffer size"},
    {-39, "Failed to enumerate game devices"},
    {-40, "Cannot acquire Keyboard device"},
    {-41, "Could not read Keyboard state"},
    {-42, "Cannot acquire Mouse device"},
    {-43, "Could not read Mouse state"},
    {-44, "Could not set Joystick data format"},
    {-45, "Could not set Joystick cooperative level"},
    {-46, "Could not initialize Joystick"},
    {-47, "Could not get Joystick capabilities"},
    {-48, "Could not poll Joystick"},
    {-49, "Could not acquire Joystick"},
    {-50, "Could not read Joystick state"},
    {-2147483647, "User-specified error"},
    {INT32_MIN, "Unknown Error"},
};

}  // namespace

std::string ErrorText(int32_t code) {
  for (const Entry& e : kTexts) {
    if (e.code == code) return e.text;
  }
  return "Error #" + std::to_string(code);
}

}  // namespace bv::media
