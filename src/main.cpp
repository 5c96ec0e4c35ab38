#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <string>

#include "config/frm_Configuration.h"
#include "platform/linux/posix/ProgramDirectory.h"
#include "platform/linux/qt/Dispatch.h"
#include "platform/linux/qt/QtPlatform.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/TerminationSignals.h"
#include "platform/linux/qt/XDisplayCheck.h"
#include "saver/frmScreenSaver.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace {

// The arguments only, as one string.
std::string JoinArguments(const QStringList& arguments) {
  return vs::ToStdString(arguments.mid(1).join(QLatin1Char(' ')));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::string missing = vs::MissingXDisplay(); !missing.empty()) {
    std::fprintf(stderr, "%s\n", missing.c_str());
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  vs::QtPlatform platform(JoinArguments(QApplication::arguments()), vs::ProgramDirectory());
  vs::Logfile log(platform.Files(), platform.App().LogDirectory());
  vs::Support support(platform.Profiles(), log, platform.App().ProgramDirectory());
  vs::frmScreenSaver form(platform, support, log, [&] {
    vs::frm_Configuration dialog(platform, support, log);
    dialog.Show();
  });
  vs::OnHandlerFailure([&form](const std::string& handler, const std::string& description) {
    form.HandlerFailed(handler, description);
  });
  vs::RouteTerminationSignals(
      [&form] { vs::Dispatch("frmScreenSaver.Form_Unload", [&form] { form.Form_Unload(); }); });

  vs::Dispatch("frmScreenSaver.Form_Load", [&form] { form.Form_Load(); });
  QApplication::exec();
  platform.App().End();
}
