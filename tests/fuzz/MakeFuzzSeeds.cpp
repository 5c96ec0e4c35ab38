// Writes each fuzz target's seed corpus into <folder>/<target>/: small
// pictures of every coding the decoders know, and short INI and M3U texts.
#include <filesystem>
#include <string>
#include <vector>

#include "samples/SampleBmp.h"
#include "samples/SampleFiles.h"
#include "samples/SampleGif.h"
#include "samples/SampleJpeg.h"

namespace {

using namespace vs::samples;

class Corpus {
 public:
  Corpus(const std::string& root, const std::string& target) : folder_(root + "/" + target) {
    std::filesystem::create_directories(folder_);
  }
  void Add(const Bytes& bytes) {
    WriteText(folder_ + "/seed-" + std::to_string(++count_),
              std::string(bytes.begin(), bytes.end()));
  }
  void Add(const std::string& text) { Add(Bytes(text.begin(), text.end())); }

 private:
  std::string folder_;
  int count_ = 0;
};

void AddBmps(Corpus corpus) {
  struct Case {
    int width, height;
    BmpOptions options;
  };
  const Case cases[] = {
      {7, 5, {1, BmpHeader::kInfo, BmpCoding::kPlain, false}},
      {9, 4, {4, BmpHeader::kCore, BmpCoding::kPlain, false}},
      {9, 4, {4, BmpHeader::kInfo, BmpCoding::kRle, false}},
      {11, 6, {8, BmpHeader::kInfo, BmpCoding::kRle, false}},
      {11, 6, {8, BmpHeader::kV5, BmpCoding::kPlain, true}},
      {6, 5, {16, BmpHeader::kInfo, BmpCoding::kPlain, false}},
      {6, 5, {16, BmpHeader::kInfo, BmpCoding::kBitfields, false}},
      {5, 3, {24, BmpHeader::kCore, BmpCoding::kPlain, false}},
      {1930, 2, {24, BmpHeader::kInfo, BmpCoding::kPlain, true}},  // wider than the screen
      {4, 3, {32, BmpHeader::kV5, BmpCoding::kBitfields, false}},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    corpus.Add(EncodeBmp(BmpPhoto(c.width, c.height, c.options.bitsPerPixel, ++seed), c.options));
  }
}

void AddJpegs(Corpus corpus) {
  struct Case {
    int width, height;
    JpegOptions options;
  };
  const Case cases[] = {
      {16, 16, {90, false, false, false, 2, 2}}, {13, 7, {75, false, false, false, 2, 1}},
      {9, 9, {90, false, false, false, 1, 1}},   {17, 11, {80, true, false, false, 2, 2}},
      {12, 12, {90, false, true, false, 1, 1}},  {10, 10, {90, false, false, true, 2, 2}},
      {10, 10, {60, true, false, true, 2, 2}},   {1936, 8, {50, true, false, false, 2, 2}},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    corpus.Add(EncodeJpeg(c.width, c.height, PhotoRows(c.width, c.height, ++seed), c.options));
  }
  // Shown from the stored right side, so cropped on the left: with scans
  // missing (block smoothing), and turned.
  corpus.Add(EncodeJpeg(1950, 8, PhotoRows(1950, 8, 20), {80, true, false, false, 2, 2, 2, 3}));
  corpus.Add(EncodeJpeg(1100, 9, PhotoRows(1100, 9, 21), {80, false, false, false, 2, 2, 8}));
  corpus.Add(EncodeFlatCmykJpeg(8, 8, 10, 200, 30, 40));
  // Arithmetic-coded scans without data.
  corpus.Add(
      WithEmptyScans(EncodeJpeg(8, 8, PhotoRows(8, 8, 1), {90, true, false, true, 1, 1}), 5));
}

void AddGifs(Corpus corpus) {
  const auto gif = [](int width, int height, std::vector<GifFrame> frames) {
    return EncodeGif({width, height, 3, GifPalette(), std::move(frames)});
  };
  corpus.Add(gif(8, 6, {GifPhotoFrame(0, 0, 8, 6, 1)}));
  GifFrame interlaced = GifPhotoFrame(0, 0, 10, 19, 2);
  interlaced.interlaced = true;
  corpus.Add(gif(10, 19, {interlaced}));
  GifFrame inset = GifPhotoFrame(2, 3, 5, 4, 3);
  inset.transparent = inset.indexes[0];
  corpus.Add(gif(9, 9, {inset, GifPhotoFrame(0, 0, 9, 9, 4)}));
  corpus.Add(gif(4, 1090, {GifPhotoFrame(0, 0, 4, 1090, 5)}));  // taller than the screen
}

// The target reads the section, key and value as FuzzedDataProvider strings.
std::string IniSeed(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& document) {
  return section + "\\\n" + key + "\\\n" + value + "\\\n" + document;
}

void AddInis(Corpus corpus) {
  corpus.Add(IniSeed("Screen Saver", "TIMER", "7000",
                     "[Screen Saver]\r\nTIMER=5000\r\nRANDOM=1\r\n\r\n[Files]\r\nCOUNT=2\r\n"));
  corpus.Add(IniSeed("files", "count", " 3 ",
                     "\xEF\xBB\xBF; comment\n[Files]\nFile1 = /a b.jpg\n\n[files]\nCOUNT=9\n"));
  corpus.Add(IniSeed("New", "Key", "value\r\nignored", "[A]\nx=1\ny =\n[B]\nx=2"));
  corpus.Add(IniSeed("A", "x", "", "preamble=1\n# note\n[ A ]\n  x\t= 1\nx=2\n\n\n"));
}

void AddM3us(Corpus corpus) {
  corpus.Add(std::string("#EXTM3U\nsong.mp3\r\nsub/three.m3u8\n\ftune.OGG\n\f\fdeep.wav\n"));
  corpus.Add(
      std::string("\xEF\xBB\xBF# list\n  two.m3u \nhttp://host/x.mp3\nmissing.mp3\n"
                  "folder.m3u\n\fFour.M3U\nsub\\deep.wav\n\f../song.mp3\n\f"
                  "with space.mid\n../top.m3u\n"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string root = argv[1];
  AddBmps({root, "bmp"});
  AddJpegs({root, "jpeg"});
  AddGifs({root, "gif"});
  AddInis({root, "ini"});
  AddM3us({root, "m3u"});
  return 0;
}
