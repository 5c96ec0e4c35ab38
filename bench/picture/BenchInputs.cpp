#include "BenchInputs.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "samples/SampleBmp.h"
#include "samples/SampleGif.h"
#include "samples/SampleJpeg.h"

namespace vs::bench {

namespace {

std::string Write(const std::string& path, const samples::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

samples::Bytes EncodePhotoJpeg(int width, int height, bool progressive) {
  samples::JpegOptions options;
  options.progressive = progressive;
  return samples::EncodeJpeg(width, height, samples::PhotoRows(width, height, 1), options);
}

std::string PhotoJpeg(const std::string& path, int width, int height, bool progressive) {
  return Write(path, EncodePhotoJpeg(width, height, progressive));
}

}  // namespace

BenchInputs WriteBenchInputs(const std::string& directory) {
  BenchInputs inputs;
  inputs.screenJpeg = PhotoJpeg(directory + "/screen.jpg", kScreenWidth, kScreenHeight, false);
  const samples::Bytes photo24 = EncodePhotoJpeg(6000, 4000, false);
  inputs.jpeg24 = Write(directory + "/photo24.jpg", photo24);
  inputs.progressive24 = PhotoJpeg(directory + "/photo24p.jpg", 6000, 4000, true);
  inputs.jpeg24Turned3 =
      Write(directory + "/photo24o3.jpg", samples::WithExifOrientation(photo24, 3));
  inputs.jpeg24Turned6 =
      Write(directory + "/photo24o6.jpg", samples::WithExifOrientation(photo24, 6));
  inputs.jpeg24Turned8 =
      Write(directory + "/photo24o8.jpg", samples::WithExifOrientation(photo24, 8));
  inputs.progressive24Turned6 =
      Write(directory + "/photo24po6.jpg",
            samples::WithExifOrientation(EncodePhotoJpeg(6000, 4000, true), 6));
  inputs.jpeg96 = PhotoJpeg(directory + "/photo96.jpg", 12000, 8000, false);
  inputs.bmp24 = Write(directory + "/photo24.bmp",
                       samples::EncodeBmp(samples::BmpPhoto(6000, 4000, 24, 1), {}));
  samples::GifSource gif{
      4000, 3000, 0, samples::GifPalette(), {samples::GifPhotoFrame(0, 0, 4000, 3000, 1)}};
  inputs.gif12 = Write(directory + "/photo12.gif", samples::EncodeGif(gif));
  return inputs;
}

}  // namespace vs::bench
