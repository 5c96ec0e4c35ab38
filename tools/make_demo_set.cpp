// Makes the demo set: pictures of every kind the saver shows (one larger
// than the screen), a WAV, a MIDI and an MP3 tune, an entry of each list that the
// saver passes over, and a settings file that lists them all.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "samples/SampleGif.h"
#include "samples/SampleSounds.h"

namespace {

QImage Scene(int width, int height, const QColor& top, const QColor& bottom, const QString& title) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, width, height);
  sky.setColorAt(0, top);
  sky.setColorAt(1, bottom);
  painter.fillRect(image.rect(), sky);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    painter.setBrush(QColor::fromHsv((i * 30) % 360, 120, 250, 110));
    const int r = height / 10 + (i * 37) % (height / 6);
    painter.drawEllipse(QPoint((i * 97 + 40) % width, (i * 61 + 30) % height), r, r);
  }
  // The corners show where a picture larger than the screen is cut.
  painter.setBrush(Qt::white);
  painter.drawRect(0, 0, 24, 24);
  painter.drawRect(width - 24, height - 24, 24, 24);
  QFont font = painter.font();
  font.setPixelSize(height / 8);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(image.rect(), Qt::AlignCenter, title);
  return image;
}

vs::samples::Bytes GifOf(const QImage& image) {
  const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  vs::samples::GifSource gif;
  gif.width = indexed.width();
  gif.height = indexed.height();
  for (const QRgb colour : indexed.colorTable()) gif.palette.push_back(0xFF000000u | colour);
  gif.palette.resize(256, 0xFF000000u);  // giflib wants a power of two
  vs::samples::GifFrame frame;
  frame.width = gif.width;
  frame.height = gif.height;
  for (int y = 0; y < indexed.height(); ++y) {
    const uchar* line = indexed.constScanLine(y);
    frame.indexes.insert(frame.indexes.end(), line, line + indexed.width());
  }
  gif.frames.push_back(frame);
  return vs::samples::EncodeGif(gif);
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_set FOLDER\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  if (!root.mkpath(QStringLiteral("media")) || !root.mkpath(QStringLiteral("config"))) return 1;
  const QString media = root.filePath(QStringLiteral("media"));
  const auto at = [&](const char* name) { return media + QLatin1Char('/') + name; };

  bool ok = true;
  ok &= Scene(800, 600, QColor(20, 40, 120), QColor(250, 140, 60), QStringLiteral("Aurora"))
            .save(at("aurora.jpg"), "JPG", 90);
  ok &= Scene(640, 480, QColor(30, 120, 40), QColor(220, 230, 90), QStringLiteral("Meadow"))
            .save(at("meadow.bmp"), "BMP");
  ok &= Scene(2600, 1800, QColor(10, 60, 90), QColor(120, 200, 230),
              QStringLiteral("Harbour panorama"))
            .save(at("harbour.jpg"), "JPG", 90);
  const vs::samples::Bytes gif =
      GifOf(Scene(480, 360, QColor(90, 20, 60), QColor(240, 200, 120), QStringLiteral("Lantern")));
  ok &= WriteBytes(at("lantern.gif"),
                   QByteArray(reinterpret_cast<const char*>(gif.data()), qsizetype(gif.size())));
  ok &= WriteBytes(at("notes.txt"), "Not a picture: the slideshow passes over this entry.\n");

  vs::samples::WriteTuneWav(at("chime.wav").toStdString(), {72, 76, 79, 84, 79, 76, 72}, 0.35);
  vs::samples::WriteTuneMp3(at("bells.mp3").toStdString(), {84, 79, 76, 72, 76, 79, 84}, 0.3);
  vs::samples::WriteMidi(at("tune.mid").toStdString(),
                         {60, 62, 64, 65, 67, 69, 71, 72, 71, 69, 67, 65, 64, 62, 60}, 192);

  const std::vector<const char*> images = {"aurora.jpg", "notes.txt", "meadow.bmp", "harbour.jpg",
                                           "lantern.gif"};
  const std::vector<const char*> audios = {"chime.wav", "notes.txt", "tune.mid", "bells.mp3"};
  QByteArray ini = "[VOSTRAMELSAVER]\n";
  ini += "TOTAL_IMAGES_DISPLAY=" + QByteArray::number(qsizetype(images.size())) + "\n";
  for (std::size_t i = 0; i < images.size(); ++i) {
    ini += "IMAGES_FILE_" + QByteArray::number(qsizetype(i)) + "=" + at(images[i]).toUtf8() + "\n";
  }
  ini += "TOTAL_AUDIOS_DISPLAY=" + QByteArray::number(qsizetype(audios.size())) + "\n";
  for (std::size_t i = 0; i < audios.size(); ++i) {
    ini += "AUDIOS_FILE_" + QByteArray::number(qsizetype(i)) + "=" + at(audios[i]).toUtf8() + "\n";
  }
  ini += "TIMER=3000\n";
  ok &= WriteBytes(root.filePath(QStringLiteral("config/VostramelSaver.ini")), ini);
  return ok ? 0 : 1;
}
