#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/RuntimeFailure.h"
#include "formats/picture/DecodePicture.h"
#include "samples/SampleFiles.h"
#include "samples/SamplePixels.h"

namespace vs::samples {

// Writes the bytes to a temporary file and decodes it for a maxWidth x
// maxHeight screen.
inline DecodedPicture DecodeBytes(const Bytes& bytes, int maxWidth, int maxHeight,
                                  const std::string& name = "picture") {
  const TempDir dir;
  return DecodePictureFile(dir.Write(name, bytes), maxWidth, maxHeight);
}

inline std::string FailureOf(const Bytes& bytes, int maxWidth, int maxHeight) {
  try {
    DecodeBytes(bytes, maxWidth, maxHeight);
  } catch (const RuntimeFailure& failure) {
    return failure.what();
  }
  return "no failure";
}

// The decoded picture is the top-left part of `full`, a width x height picture.
inline void ExpectTopLeftOf(const DecodedPicture& picture, const Pixels& full, int width,
                            int height, int maxWidth, int maxHeight) {
  ASSERT_EQ(picture.width, width);
  ASSERT_EQ(picture.height, height);
  ASSERT_EQ(picture.visibleWidth, std::min(width, maxWidth));
  ASSERT_EQ(picture.visibleHeight, std::min(height, maxHeight));
  const Pixels expected = TopLeft(full, width, picture.visibleWidth, picture.visibleHeight);
  ASSERT_EQ(picture.pixels.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(picture.pixels[i], expected[i])
        << "at x " << i % static_cast<std::size_t>(picture.visibleWidth) << ", y "
        << i / static_cast<std::size_t>(picture.visibleWidth);
  }
}

// Truncations and byte changes of a good file either decode or fail with
// RuntimeFailure; anything else (a crash, another exception) fails the test.
inline void ExpectDamageIsHandled(const Bytes& good, int maxWidth, int maxHeight) {
  const TempDir dir;
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    Bytes damaged = good;
    if (round % 2 == 0) {
      damaged.resize(random() % good.size());
    } else {
      for (int i = 0; i < 4; ++i)
        damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    }
    try {
      DecodePictureFile(dir.Write("damaged", damaged), maxWidth, maxHeight);
    } catch (const RuntimeFailure&) {
    }
  }
}

}  // namespace vs::samples
