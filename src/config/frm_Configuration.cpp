#include "config/frm_Configuration.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "config/SecondsText.h"
#include "core/Conversions.h"
#include "core/Extension.h"
#include "core/Paths.h"
#include "core/RuntimeFailure.h"

namespace vs {
namespace {

constexpr const char* kPatterns[] = {"*.bmp", "*.gif", "*.jpg", "*.mp3", "*.m3u", "*.wav", "*.mid"};

// The first `total` kept entries; the splash picture that the loader appends
// to the image list is never one of them.
std::vector<std::string> KeptEntries(const StringArray& entries, int total,
                                     const std::string& excludedLast) {
  int kept = entries.Count();
  if (kept > 0 && entries(kept - 1) == excludedLast) --kept;
  const int shown = std::max(0, std::min(kept, total));
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(shown));
  for (int i = 0; i < shown; ++i) result.push_back(entries(i));
  return result;
}

}  // namespace

frm_Configuration::frm_Configuration(Platform& platform, Support& support, Logfile& log)
    : platform_(platform), support_(support), log_(log) {}

void frm_Configuration::Show() {
  view_ = platform_.CreateConfigurationView(*this);
  Form_Load();
  view_->ShowModal();
}

void frm_Configuration::Form_Load() {
  try {
    log_.WriteLog("load frm_configuration");
    for (const char* pattern : kPatterns) view_->Combo1().AddItem(pattern);
    view_->File1().SetPattern("*.bmp");
    view_->cmdAdd().SetEnabled(false);
    view_->cmdRemove().SetEnabled(false);
    view_->cmdRemoveAll().SetEnabled(false);
    support_.LoadIni();
    FillTargetLists();
    view_->txtTimer().SetText(SecondsText(support_.TimerInterval));
  } catch (const std::exception& failure) {
    ReportFailure("Error out in load Configuration object", failure);
  }
}

void frm_Configuration::FillTargetLists() {
  // Only kept entries are shown: filling up to the stored counts would show
  // the splash picture, or stop early and let OK overwrite the user's lists.
  view_->list1().AddItems(
      KeptEntries(support_.ImageFiles, support_.TotalImages, support_.SplashPath()));
  view_->list2().AddItems(KeptEntries(support_.AudioFiles, support_.TotalAudios, std::string()));
}

void frm_Configuration::Drive1_Change() { view_->Dir1().SetPath(view_->Drive1().Drive()); }

void frm_Configuration::Dir1_Change() {
  view_->File1().SetPath(view_->Dir1().Path());
  view_->File1().SetPattern(view_->Combo1().Text());
}

void frm_Configuration::Combo1_Click() { view_->File1().SetPattern(view_->Combo1().Text()); }

void frm_Configuration::File1_Click() { SetListButtons(true); }

void frm_Configuration::File1_DblClick() { cmdAdd_Click(); }

void frm_Configuration::list1_Click() {
  SetListButtons(false);
  ActiveTarget = 1;
}

void frm_Configuration::list2_Click() {
  SetListButtons(false);
  ActiveTarget = 2;
}

void frm_Configuration::list1_DblClick() {
  ActiveTarget = 1;
  cmdRemove_Click();
}

void frm_Configuration::list2_DblClick() {
  ActiveTarget = 2;
  cmdRemove_Click();
}

void frm_Configuration::vsTimer_Change() {
  view_->txtTimer().SetText(std::to_string(view_->vsTimer().Value()));
}

void frm_Configuration::SetListButtons(bool sourceActive) {
  view_->cmdAdd().SetEnabled(sourceActive);
  view_->cmdAddAll().SetEnabled(sourceActive);
  view_->cmdRemove().SetEnabled(!sourceActive);
  view_->cmdRemoveAll().SetEnabled(!sourceActive);
}

void frm_Configuration::cmdAdd_Click() {
  try {
    AddFiles(true);
  } catch (const std::exception& failure) {
    ReportFailure("Error out in Add object", failure);
  }
}

void frm_Configuration::cmdAddAll_Click() {
  try {
    AddFiles(false);
  } catch (const std::exception& failure) {
    ReportFailure("Error out in AddAll object", failure);
  }
}

void frm_Configuration::AddFiles(bool selectedOnly) {
  const FileListBox& source = view_->File1();
  ListBox& images = view_->list1();
  ListBox& audios = view_->list2();
  // Collected per list and appended at once: each list keeps the source order.
  std::vector<std::string> newImages;
  std::vector<std::string> newAudios;
  bool full = false;
  const int count = source.ListCount();
  const std::string directory = source.Path();
  for (int i = 0; i < count && !full; ++i) {
    if (selectedOnly && !source.Selected(i)) continue;
    const std::string name = source.List(i);
    const bool image = IsImageEntry(name);
    std::vector<std::string>& batch = image ? newImages : newAudios;
    const ListBox& target = image ? images : audios;
    // A longer list would be saved with a count the loader cannot read back.
    full = target.ListCount() + static_cast<int>(batch.size()) >= kMaxTargetEntries;
    if (!full) batch.push_back(JoinPath(directory, name));
  }
  images.AddItems(newImages);
  audios.AddItems(newAudios);
  if (full) {
    throw RuntimeFailure("The target list is full: it holds at most " +
                         std::to_string(kMaxTargetEntries) + " entries");
  }
}

ListBox* frm_Configuration::ActiveList() {
  switch (ActiveTarget) {
    case 1:
      return &view_->list1();
    case 2:
      return &view_->list2();
    default:
      return nullptr;
  }
}

void frm_Configuration::cmdRemove_Click() {
  try {
    ListBox* list = ActiveList();
    if (list == nullptr) return;
    std::vector<int> selected;
    const int count = list->ListCount();
    for (int i = 0; i < count; ++i) {
      if (list->Selected(i)) selected.push_back(i);
    }
    if (!selected.empty()) list->RemoveItems(selected);
  } catch (const std::exception& failure) {
    ReportFailure("Error out in Remove object", failure);
  }
}

void frm_Configuration::cmdRemoveAll_Click() {
  try {
    ListBox* list = ActiveList();
    if (list != nullptr) list->Clear();
  } catch (const std::exception& failure) {
    ReportFailure("Error out in RemoveAll object", failure);
  }
}

void frm_Configuration::cmdOK_Click() {
  try {
    Save();
  } catch (const std::exception& failure) {
    // The keys written before the failure reach the disk as well.
    CommitQuietly();
    ReportFailure("Error out in Ok Configuration object", failure);
    return;
  }
  platform_.App().End();
}

void frm_Configuration::Save() {
  support_.ImageFiles.Erase();
  support_.AudioFiles.Erase();

  TextBox& timer = view_->txtTimer();
  const std::int16_t seconds = ToInt16(timer.Text());
  if (seconds == 0) {
    timer.SetText("5");
  } else if (seconds > 60) {
    timer.SetText("60");
  }

  support_.IniFileName = Support::kFileName;
  WriteList("TOTAL_IMAGES_DISPLAY", "IMAGES_FILE_", view_->list1(), support_.ImageFiles);
  WriteList("TOTAL_AUDIOS_DISPLAY", "AUDIOS_FILE_", view_->list2(), support_.AudioFiles);

  // The checked text lies within 16 bits, so the product fits.
  support_.TimerInterval = ToInt32(timer.Text()) * 1000;
  WriteSetting("TIMER", std::to_string(support_.TimerInterval));
  if (std::optional<std::string> failure = platform_.Profiles().Commit()) {
    throw RuntimeFailure(*failure);
  }
}

void frm_Configuration::WriteList(const char* countKey, const char* entryPrefix,
                                  const ListBox& list, StringArray& shared) {
  const int count = list.ListCount();
  WriteSetting(countKey, std::to_string(count));
  if (count > 0) shared.RedimPreserve(count - 1);
  for (int i = 0; i < count; ++i) {
    shared(i) = list.List(i);
    WriteSetting(entryPrefix + std::to_string(i), shared(i));
  }
}

void frm_Configuration::WriteSetting(const std::string& key, const std::string& value) {
  platform_.Profiles().WritePrivateProfileString(Support::kSection, key, value,
                                                 support_.IniFileName);
}

void frm_Configuration::CommitQuietly() noexcept {
  try {
    platform_.Profiles().Commit();
  } catch (const std::exception&) {
    // Nothing more can be saved; the failure report follows.
  }
}

void frm_Configuration::cmdCancel_Click() { platform_.App().End(); }

void frm_Configuration::cmdMoreInfo_Click() {
  frmAbout about(platform_);
  about.Show();
}

void frm_Configuration::ReportFailure(const char* line, const std::exception& failure) {
  log_.WriteLog(line);
  log_.WriteLog(failure.what());
}

}  // namespace vs
