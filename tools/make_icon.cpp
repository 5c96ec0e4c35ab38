// Draws the program's icon for Windows, the splash picture's three fanned
// photo frames on its evening sky, as an .ico file with the sizes Explorer and
// the Screen Saver Settings ask for. No toolkit: the cross build runs it on the
// build machine.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Colour {
  double r, g, b, a;
};

Colour Mix(const Colour& under, const Colour& over) {
  const double a = over.a + under.a * (1 - over.a);
  if (a == 0) return {0, 0, 0, 0};
  const auto channel = [&](double u, double o) { return (o * over.a + u * under.a * (1 - over.a)) / a; };
  return {channel(under.r, over.r), channel(under.g, over.g), channel(under.b, over.b), a};
}

// The picture on a unit square, y downwards.
Colour Sample(double x, double y) {
  Colour colour{0, 0, 0, 0};
  // The sky, a rounded square.
  const double radius = 0.16;
  const double dx = std::max({radius - x, x - (1 - radius), 0.0});
  const double dy = std::max({radius - y, y - (1 - radius), 0.0});
  if (dx * dx + dy * dy > radius * radius) return colour;
  colour = Colour{(12 + 58 * y) / 255, (18 + 2 * y) / 255, (60 + 30 * y) / 255, 1};
  // The frames, turned by -18, 0 and 18 degrees about the centre.
  const std::array<Colour, 3> frames = {Colour{240 / 255.0, 180 / 255.0, 60 / 255.0, 1},
                                        Colour{90 / 255.0, 200 / 255.0, 220 / 255.0, 1},
                                        Colour{230 / 255.0, 90 / 255.0, 120 / 255.0, 1}};
  const double kPi = 3.14159265358979323846;
  for (int i = 0; i < 3; ++i) {
    const double angle = (-18 + 18 * i) * kPi / 180;
    const double u = (x - 0.5) * std::cos(angle) + (y - 0.52) * std::sin(angle);
    const double v = -(x - 0.5) * std::sin(angle) + (y - 0.52) * std::cos(angle);
    const double halfWidth = 0.30, halfHeight = 0.22, border = 0.045;
    if (std::fabs(u) > halfWidth || std::fabs(v) > halfHeight) continue;
    const bool inside = std::fabs(u) < halfWidth - border && std::fabs(v) < halfHeight - border;
    colour = Mix(colour, inside ? frames[static_cast<std::size_t>(i)] : Colour{1, 1, 1, 1});
  }
  return colour;
}

// Little-endian output.
struct Bytes {
  std::vector<std::uint8_t> data;
  void Put(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
};

// One image as an icon directory entry holds it: a bottom-up BGRA bitmap of
// twice the height, then the (unused) one-bit mask.
std::vector<std::uint8_t> IconImage(int size) {
  constexpr int kSamples = 4;
  Bytes out;
  const auto square = static_cast<std::uint32_t>(size);
  const std::uint32_t maskRow = (square + 31) / 32 * 4;
  out.Put(40, 4);  // BITMAPINFOHEADER
  out.Put(square, 4);
  out.Put(2 * square, 4);
  out.Put(1, 2);
  out.Put(32, 2);
  out.Put(0, 4);
  out.Put(square * square * 4 + maskRow * square, 4);
  out.Put(0, 16);
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Colour c = Sample((column + (sx + 0.5) / kSamples) / size,
                                  (row + (sy + 0.5) / kSamples) / size);
          r += c.r * c.a;
          g += c.g * c.a;
          b += c.b * c.a;
          a += c.a;
        }
      }
      const auto byte = [](double value) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
      };
      // Straight alpha, as icons keep it.
      const double n = kSamples * kSamples;
      out.data.push_back(a > 0 ? byte(b / a) : 0);
      out.data.push_back(a > 0 ? byte(g / a) : 0);
      out.data.push_back(a > 0 ? byte(r / a) : 0);
      out.data.push_back(byte(a / n));
    }
  }
  out.data.insert(out.data.end(), maskRow * square, 0);
  return out.data;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const int sizes[] = {16, 24, 32, 48, 64, 256};
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : sizes) images.push_back(IconImage(size));

  Bytes file;
  file.Put(0, 2);  // ICONDIR
  file.Put(1, 2);
  file.Put(static_cast<std::uint32_t>(images.size()), 2);
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto size = static_cast<std::uint32_t>(sizes[i] == 256 ? 0 : sizes[i]);  // 0 is 256
    file.Put(size, 1);
    file.Put(size, 1);
    file.Put(0, 2);
    file.Put(1, 2);
    file.Put(32, 2);
    file.Put(static_cast<std::uint32_t>(images[i].size()), 4);
    file.Put(offset, 4);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.data.insert(file.data.end(), image.begin(), image.end());

  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data.data()),
            static_cast<std::streamsize>(file.data.size()));
  return out.good() ? 0 : 1;
}
