// Writers for the file formats of the game's resources: BMP, ICO and WAVE.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// 24-bit uncompressed BMP (bottom-up rows padded to 4 bytes); alpha is dropped.
Bytes EncodeBmp24(const Canvas& picture);
// An icon file with one 32-bit image (alpha plus AND mask) per picture, in the given order.
Bytes EncodeIco(const std::vector<Canvas>& pictures);
// A PCM WAVE file of 16-bit samples; `samples` holds the channels interleaved.
Bytes EncodeWav(int channels, int sampleRate, const std::vector<std::int16_t>& samples);

// Writes the bytes to the file; false when it cannot be written completely.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);
