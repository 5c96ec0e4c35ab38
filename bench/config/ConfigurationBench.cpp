#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "FakePlatform.h"
#include "config/frm_Configuration.h"
#include "platform/linux/qt/config/QtConfigurationView.h"

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

struct Dialog {
  Dialog()
      : log(platform.files, platform.app.programDirectory),
        support(platform.profile, log, platform.app.programDirectory),
        form(platform, support, log) {
    platform.makeConfigurationView = [this](ConfigurationEvents& events) {
      auto created = std::make_unique<NonModalView>(CreateQtConfigurationView(events));
      view = created.get();
      return std::unique_ptr<ConfigurationView>(std::move(created));
    };
    form.Show();
  }
  fake::FakePlatform platform;
  Logfile log;
  Support support;
  frm_Configuration form;
  ConfigurationView* view = nullptr;
};

std::string FolderOfPictures(int count) {
  const auto folder = std::filesystem::temp_directory_path() / "vs_config_bench_pictures";
  std::filesystem::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    const auto file = folder / ("IMG_" + std::to_string(100000 + i) + ".JPG");
    if (!std::filesystem::exists(file)) std::ofstream(file) << "x";
  }
  return folder.string();
}

void BM_AddAllFrom30000Files(benchmark::State& state) {
  Dialog dialog;
  dialog.view->Dir1().SetPath(FolderOfPictures(30000));
  dialog.view->File1().SetPattern("*.jpg");
  dialog.support.ActiveTarget = 1;
  for (auto _ : state) {
    dialog.form.cmdAddAll_Click();
    state.PauseTiming();
    if (dialog.view->list1().ListCount() != 30000) state.SkipWithError("not all added");
    dialog.form.cmdRemoveAll_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddAllFrom30000Files)->Unit(benchmark::kMillisecond);

void BM_SaveTwoFullLists(benchmark::State& state) {
  Dialog dialog;
  const std::vector<std::string> entries(frm_Configuration::kMaxTargetEntries,
                                         "/home/user/Pictures/holiday/IMG_123456.JPG");
  dialog.view->list1().AddItems(entries);
  dialog.view->list2().AddItems(entries);
  for (auto _ : state) {
    try {
      dialog.form.cmdOK_Click();
    } catch (const fake::ProgramEnded&) {
    }
    state.PauseTiming();
    dialog.platform.profile.writes.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveTwoFullLists)->Unit(benchmark::kMillisecond);

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
