// Draws the splash picture shown when the saver starts and at the end of
// every slideshow cycle.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_splash OUTPUT.jpg VERSION\n");
    return 2;
  }
  QImage image(400, 300, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0, QColor(12, 18, 60));
  sky.setColorAt(1, QColor(70, 20, 90));
  painter.fillRect(image.rect(), sky);

  // A few soft "photo" frames fanned out behind the name.
  const QColor frames[] = {QColor(240, 180, 60), QColor(90, 200, 220), QColor(230, 90, 120)};
  for (int i = 0; i < 3; ++i) {
    painter.save();
    painter.translate(200, 120);
    painter.rotate(-18 + 18 * i);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(frames[i]);
    painter.drawRect(-55, -40, 110, 80);
    painter.restore();
  }
  QRadialGradient glow(200, 120, 90);
  glow.setColorAt(0, QColor(255, 255, 255, 90));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(image.rect(), glow);

  painter.setPen(Qt::white);
  QFont title = painter.font();
  title.setPixelSize(36);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(0, 188, 400, 48), Qt::AlignCenter, QStringLiteral("Vostramel Saver"));
  QFont version = title;
  version.setPixelSize(18);
  version.setBold(false);
  painter.setFont(version);
  painter.drawText(QRect(0, 236, 400, 30), Qt::AlignCenter,
                   QStringLiteral("Version %1").arg(QString::fromUtf8(argv[2])));
  painter.setPen(QColor(200, 200, 230));
  version.setPixelSize(12);
  painter.setFont(version);
  painter.drawText(QRect(0, 268, 400, 24), Qt::AlignCenter,
                   QStringLiteral("pictures and music while you are away"));
  painter.end();

  return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
