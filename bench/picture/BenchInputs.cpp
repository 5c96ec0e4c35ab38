#include "BenchInputs.h"

#include <fstream>
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

std::string PhotoJpeg(const std::string& path, int width, int height, bool progressive) {
  samples::JpegOptions options;
  options.progressive = progressive;
  return Write(path,
               samples::EncodeJpeg(width, height, samples::PhotoRows(width, height, 1), options));
}

}  // namespace

BenchInputs WriteBenchInputs(const std::string& directory) {
  BenchInputs inputs;
  inputs.screenJpeg = PhotoJpeg(directory + "/screen.jpg", kScreenWidth, kScreenHeight, false);
  inputs.jpeg24 = PhotoJpeg(directory + "/photo24.jpg", 6000, 4000, false);
  inputs.progressive24 = PhotoJpeg(directory + "/photo24p.jpg", 6000, 4000, true);
  inputs.jpeg96 = PhotoJpeg(directory + "/photo96.jpg", 12000, 8000, false);
  inputs.bmp24 = Write(directory + "/photo24.bmp",
                       samples::EncodeBmp(samples::BmpPhoto(6000, 4000, 24, 1), {}));
  samples::GifSource gif{
      4000, 3000, 0, samples::GifPalette(), {samples::GifPhotoFrame(0, 0, 4000, 3000, 1)}};
  inputs.gif12 = Write(directory + "/photo12.gif", samples::EncodeGif(gif));
  return inputs;
}

}  // namespace vs::bench
