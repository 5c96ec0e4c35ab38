#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "DecodeSample.h"
#include "samples/SampleBmp.h"
#include "samples/SampleGif.h"
#include "samples/SampleJpeg.h"

namespace vs::samples {
namespace {

std::string FailureOfPath(const std::string& path) {
  try {
    DecodePictureFile(path, 100, 100);
  } catch (const RuntimeFailure& failure) {
    return failure.what();
  }
  return "no failure";
}

TEST(DecodePictureFileTest, FilesThatAreNoPicturesFail) {
  const TempDir dir;
  EXPECT_EQ(FailureOfPath(dir / "missing.jpg"), "File not found: " + dir / "missing.jpg");
  EXPECT_EQ(FailureOfPath(""), "File not found: ");
  const std::string text = dir.Write("notes.bmp", {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(FailureOfPath(text), "Invalid picture: " + text + " is not a BMP, JPEG or GIF file");
  const std::string empty = dir.Write("empty.gif", {});
  EXPECT_EQ(FailureOfPath(empty), "Invalid picture: " + empty + " is not a BMP, JPEG or GIF file");
  EXPECT_EQ(FailureOfPath(dir / "").rfind("Cannot open file: ", 0), 0u);
#ifdef _WIN32
  // A device must not block the saver.
  EXPECT_EQ(FailureOfPath("\\\\.\\NUL"), "Cannot open file: \\\\.\\NUL is not a regular file");
#else
  // A FIFO without a writer must not block the saver.
  const std::string fifo = dir / "fifo.jpg";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(FailureOfPath(fifo), "Cannot open file: " + fifo + " is not a regular file");
#endif
}

// Names are UTF-8 inside the program, in any script.
TEST(DecodePictureFileTest, NamesInAnyScriptOpen) {
  const TempDir dir;
  const Bytes jpeg = EncodeJpeg(30, 20, PhotoRows(30, 20, 1), {});
  const std::string path = dir.Write("\u00e9t\u00e9 \u65e5\u672c.jpg", jpeg);
  EXPECT_EQ(DecodePictureFile(path, 100, 100).width, 30);
}

// The content decides the format, whatever the name says.
TEST(DecodePictureFileTest, FormatComesFromContent) {
  const TempDir dir;
  const Bytes jpeg = EncodeJpeg(30, 20, PhotoRows(30, 20, 1), {});
  const Bytes bmp = EncodeBmp(BmpPhoto(30, 20, 24, 1), {});
  GifSource gif{30, 20, 0, GifPalette(), {GifPhotoFrame(0, 0, 30, 20, 1)}};
  for (const Bytes& bytes : {jpeg, bmp, EncodeGif(gif)}) {
    const DecodedPicture picture = DecodePictureFile(dir.Write("picture.avi", bytes), 100, 100);
    EXPECT_EQ(picture.width, 30);
    EXPECT_EQ(picture.height, 20);
    EXPECT_EQ(picture.pixels.size(), 600u);
  }
}

TEST(DecodePictureFileTest, EmptyScreenKeepsNaturalSize) {
  const Bytes jpeg = EncodeJpeg(30, 20, PhotoRows(30, 20, 1), {});
  for (const auto& [maxWidth, maxHeight] : {std::pair{0, 0}, std::pair{-5, 10}, std::pair{10, 0}}) {
    const DecodedPicture picture = DecodeBytes(jpeg, maxWidth, maxHeight);
    EXPECT_EQ(picture.width, 30);
    EXPECT_EQ(picture.height, 20);
    EXPECT_TRUE(picture.pixels.empty());
  }
}

}  // namespace
}  // namespace vs::samples
