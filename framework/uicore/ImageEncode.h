#pragma once
// Encoders for screen captures: pixels in, complete file bytes out.
// Pixels are 32-bit 0x00RRGGBB values, rows top-down.
#include <cstdint>
#include <string>
#include <vector>

// A PNG (8-bit RGB, stored deflate blocks: no compression library needed).
std::string EncodePng(int Width, int Height, const std::vector<uint32_t>& Pixels);
// A 24-bit bottom-up BMP file.
std::string EncodeBmp(int Width, int Height, const std::vector<uint32_t>& Pixels);
uint32_t Crc32(const uint8_t* Data, size_t Size, uint32_t Crc = 0);
