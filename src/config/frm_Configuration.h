#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "platform/ConfigurationView.h"
#include "platform/Platform.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {

// The configuration dialog: browse files, collect the image and audio target
// lists, set the display time, save them to the settings file.
class frm_Configuration : public ConfigurationEvents {
 public:
  // The counts in the settings file are 16-bit.
  static constexpr int kMaxTargetEntries = 32767;

  frm_Configuration(Platform& platform, Support& support, Logfile& log);

  // Creates the window, sets it up and shows it modally; returns when it is
  // closed without OK or Cancel.
  void Show();

  void Form_Load();
  void Drive1_Change() override;
  void Dir1_Change() override;
  void Combo1_Click() override;
  void File1_Click() override;
  void File1_DblClick() override;
  void list1_Click() override;
  void list1_DblClick() override;
  void list2_Click() override;
  void list2_DblClick() override;
  void vsTimer_Change() override;
  void cmdAdd_Click() override;
  void cmdAddAll_Click() override;
  void cmdRemove_Click() override;
  void cmdRemoveAll_Click() override;
  void cmdOK_Click() override;
  void cmdCancel_Click() override;
  void cmdMoreInfo_Click() override;

  // Which target list the Remove buttons act on: 0 none, 1 pictures, 2 music.
  std::int16_t ActiveTarget = 0;

 private:
  void FillTargetLists();
  void AddFiles(bool selectedOnly);
  // The list the Remove buttons act on, or none.
  ListBox* ActiveList();
  void SetListButtons(bool sourceActive);
  // Writes every key and commits them; throws on the first failure.
  void Save();
  void WriteList(const char* countKey, const char* entryPrefix, const ListBox& list,
                 StringArray& shared);
  void WriteSetting(const std::string& key, const std::string& value);
  void CommitQuietly() noexcept;
  void ReportFailure(const char* line, const std::exception& failure);

  Platform& platform_;
  Support& support_;
  Logfile& log_;
  std::unique_ptr<ConfigurationView> view_;
};

}  // namespace vs
