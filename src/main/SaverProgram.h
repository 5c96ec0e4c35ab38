#pragma once

#include <string>

#include "config/frm_Configuration.h"
#include "platform/Platform.h"
#include "platform/events/Dispatch.h"
#include "saver/frmScreenSaver.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs {

// The forms and modules joined to a platform, the same on every system; a
// failure escaping a handler is reported through the saver form.
class SaverProgram {
 public:
  explicit SaverProgram(Platform& platform)
      : log_(platform.Files(), platform.App().LogDirectory()),
        support_(platform.Profiles(), log_, platform.App().ProgramDirectory()),
        form_(platform, support_, log_, [this, &platform] {
          frm_Configuration dialog(platform, support_, log_);
          dialog.Show();
        }) {
    OnHandlerFailure([this](const std::string& handler, const std::string& description) {
      form_.HandlerFailed(handler, description);
    });
  }
  SaverProgram(const SaverProgram&) = delete;
  SaverProgram& operator=(const SaverProgram&) = delete;

  frmScreenSaver& Form() { return form_; }
  // Loads the start-up form, whose handler chooses what the run does.
  void Load() {
    Dispatch("frmScreenSaver.Form_Load", [this] { form_.Form_Load(); });
  }

 private:
  Logfile log_;
  Support support_;
  frmScreenSaver form_;
};

}  // namespace vs
