#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "main/SaverProgram.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/DisplayChoice.h"
#include "platform/linux/posix/ProgramDirectory.h"
#include "platform/linux/qt/HostArguments.h"
#include "platform/linux/qt/QtPlatform.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/TerminationSignals.h"

namespace {

// The arguments only, without the host's window options, and where to draw.
vs::HostArguments ReadArguments(const QStringList& arguments) {
  std::vector<std::string> words;
  for (const QString& argument : arguments.mid(1)) words.push_back(vs::ToStdString(argument));
  return vs::ReadHostArguments(words, std::getenv("XSCREENSAVER_WINDOW"));
}

std::string Join(const std::vector<std::string>& words) {
  std::string joined;
  for (std::size_t i = 0; i < words.size(); ++i) joined += (i == 0 ? "" : " ") + words[i];
  return joined;
}

}  // namespace

int main(int argc, char* argv[]) {
  const vs::DisplayChoice display = vs::ChooseDisplay();
  if (!display.problem.empty()) {
    std::fprintf(stderr, "%s\n", display.problem.c_str());
    return 1;
  }
  if (!display.toolkitPlatform.empty()) {
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(display.toolkitPlatform));
  }
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  const vs::HostArguments arguments = ReadArguments(QApplication::arguments());
  vs::QtPlatform platform(Join(arguments.rest), vs::ProgramDirectory(), arguments.target,
                          display.wayland);
  vs::SaverProgram program(platform);
  vs::RouteTerminationSignals([&program] {
    vs::Dispatch("frmScreenSaver.Form_Unload", [&program] { program.Form().Form_Unload(); });
  });

  program.Load();
  QApplication::exec();
  platform.App().End();
}
