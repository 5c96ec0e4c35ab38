#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>

#include "FakePlatform.h"
#include "config/frm_Configuration.h"
#include "platform/ini/IniProfile.h"
#include "platform/linux/qt/config/QtConfigurationView.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

// The real dialog, except that showing it returns at once.
class NonModalView : public ConfigurationView {
 public:
  explicit NonModalView(std::unique_ptr<ConfigurationView> inner) : inner_(std::move(inner)) {}
  DriveListBox& Drive1() override { return inner_->Drive1(); }
  DirListBox& Dir1() override { return inner_->Dir1(); }
  ComboBox& Combo1() override { return inner_->Combo1(); }
  FileListBox& File1() override { return inner_->File1(); }
  ListBox& list1() override { return inner_->list1(); }
  ListBox& list2() override { return inner_->list2(); }
  TextBox& txtTimer() override { return inner_->txtTimer(); }
  ScrollBar& vsTimer() override { return inner_->vsTimer(); }
  CommandButton& cmdAdd() override { return inner_->cmdAdd(); }
  CommandButton& cmdAddAll() override { return inner_->cmdAddAll(); }
  CommandButton& cmdRemove() override { return inner_->cmdRemove(); }
  CommandButton& cmdRemoveAll() override { return inner_->cmdRemoveAll(); }
  void ShowModal() override {}

 private:
  std::unique_ptr<ConfigurationView> inner_;
};

// Saves go through the real INI writer into a folder of their own.
class PlatformWithIniProfile : public fake::FakePlatform {
 public:
  Profile& Profiles() override { return ini; }

  samples::TempDir config;
  IniProfile ini{config.Path()};
};

struct Dialog {
  Dialog()
      : log(platform.files, platform.app.programDirectory),
        support(platform.Profiles(), log, platform.app.programDirectory),
        form(platform, support, log) {
    platform.makeConfigurationView = [this](ConfigurationEvents& events) {
      auto created = std::make_unique<NonModalView>(CreateQtConfigurationView(events));
      view = created.get();
      return std::unique_ptr<ConfigurationView>(std::move(created));
    };
    form.Show();
  }
  PlatformWithIniProfile platform;
  Logfile log;
  Support support;
  frm_Configuration form;
  ConfigurationView* view = nullptr;
};

void BM_AddAllFrom30000Files(benchmark::State& state) {
  samples::TempDir pictures;
  for (int i = 0; i < 30000; ++i)
    pictures.Write("IMG_" + std::to_string(100000 + i) + ".JPG", {'x'});
  Dialog dialog;
  dialog.view->Dir1().SetPath(pictures.Path());
  dialog.view->File1().SetPattern("*.jpg");
  dialog.form.ActiveTarget = 1;
  for (auto _ : state) {
    dialog.form.cmdAddAll_Click();
    state.PauseTiming();
    if (dialog.view->list1().ListCount() != 30000) state.SkipWithError("not all added");
    dialog.form.cmdRemoveAll_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddAllFrom30000Files)->Unit(benchmark::kMillisecond);

// Both target lists full, as the largest settings file holds them.
void FillBothLists(Dialog& dialog) {
  const std::vector<std::string> entries(frm_Configuration::kMaxTargetEntries,
                                         "/home/user/Pictures/holiday/IMG_123456.JPG");
  dialog.view->list1().AddItems(entries);
  dialog.view->list2().AddItems(entries);
}

// Returns the settings file it wrote.
std::string Save(Dialog& dialog) {
  try {
    dialog.form.cmdOK_Click();
  } catch (const fake::ProgramEnded&) {
  }
  return dialog.platform.config / "VostramelSaver.ini";
}

void BM_SaveTwoFullLists(benchmark::State& state) {
  Dialog dialog;
  FillBothLists(dialog);
  std::string saved;
  for (auto _ : state) saved = Save(dialog);
  if (samples::ReadFile(saved).size() < 65534u * 40u) {
    state.SkipWithError("the settings file does not hold the lists");
  }
}
BENCHMARK(BM_SaveTwoFullLists)->Unit(benchmark::kMillisecond);

// What the save is measured against: one plain read of the file it writes.
void BM_PlainReadOfTheSavedFile(benchmark::State& state) {
  Dialog dialog;
  FillBothLists(dialog);
  const std::string saved = Save(dialog);
  for (auto _ : state) benchmark::DoNotOptimize(samples::ReadFile(saved).size());
}
BENCHMARK(BM_PlainReadOfTheSavedFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vs

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
