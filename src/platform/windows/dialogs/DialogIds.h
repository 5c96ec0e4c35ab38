#pragma once

namespace vs::dialogs {

// The controls' identifiers in their windows (GetDlgItem), past IDOK and
// IDCANCEL, which Enter and Esc send and no control answers to.
enum ConfigurationId : int {
  kDrive1 = 100,
  kDir1,
  kCombo1,
  kFile1,
  kList1,
  kList2,
  kTxtTimer,
  kVsTimer,
  kCmdAdd,
  kCmdAddAll,
  kCmdRemove,
  kCmdRemoveAll,
  kCmdOK,
  kCmdCancel,
  kCmdMoreInfo,
  kLabel1,
  kLabel2,
  kLabel3,
  kLabel4,
  kLabel5,
  kLabel6,
};

enum AboutId : int {
  kAboutLabel1 = 200,  // the six labels of the array, top to bottom
  kCmdLicense = 210,
  kAboutCmdOK,
};

enum MoreInfoId : int {
  kText1 = 300,
  kMoreInfoCmdOK,
};

}  // namespace vs::dialogs
