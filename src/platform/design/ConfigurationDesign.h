#pragma once

#include <array>

#include "platform/design/Design.h"

namespace vs::design::configuration {

inline constexpr Window kWindow{"VostramelSaver Screen Saver Configuration", 8610, 5940};

inline constexpr Frame kShape1{"Shape1", {240, 120, 3255, 4575}, kDarkRed};
inline constexpr Frame kShape2{"Shape2", {4680, 120, 3735, 4575}, kDarkBlue};
inline constexpr HorizontalLine kLine1{"Line1", 4680, 8400, 2520, kGreen};

inline constexpr Control kLabel1{"Label1",
                                 {360, 240, 3015, 615},
                                 "SOURCE:                                               "
                                 "Select your favorite image/audio files...then...add to target "
                                 "box "};
inline constexpr Control kLabel2{"Label2", {4800, 240, 3135, 255}, "TARGET:"};
inline constexpr Control kLabel5{
    "Label5", {4800, 600, 3375, 375}, "Images below are your screen saver display"};
inline constexpr Control kLabel6{
    "Label6", {4800, 2640, 3495, 255}, "Audios below are your music play back"};
inline constexpr Control kLabel3{
    "Label3", {2040, 4800, 2535, 255}, "Display each image for", "", true};
inline constexpr Control kLabel4{"Label4", {5760, 4800, 1575, 255}, "Seconds"};

inline constexpr Control kDrive1{"Drive1", {360, 960, 3015, 315}, "", "Please Selected Drive"};
inline constexpr Control kDir1{"Dir1", {360, 1320, 3015, 990}, "", "Please selected directory"};
// Its caption is also the file list's first pattern.
inline constexpr Control kCombo1{"Combo1", {360, 2400, 3015, 315}, "*.bmp", "File type"};
inline constexpr Control kFile1{
    "File1",
    {360, 2760, 3015, 1650},
    "",
    "Selected images/audio files then click <add>/<add all> to add to <target> area"};
inline constexpr Control kCmdAdd{"cmdAdd",
                                 {3600, 2640, 975, 375},
                                 "&Add",
                                 "Add selected files from <Source> to <Target> list box"};
inline constexpr Control kCmdAddAll{"cmdAddAll",
                                    {3600, 3000, 975, 375},
                                    "Add A&ll",
                                    "Add all files from <Source> to <Target> list box"};
inline constexpr Control kCmdRemove{
    "cmdRemove", {3600, 3600, 975, 375}, "&Remove", "Remove selected files from <Targer> list box"};
inline constexpr Control kCmdRemoveAll{"cmdRemoveAll",
                                       {3600, 3960, 975, 375},
                                       "Re&move All",
                                       "Remove all files from <Targer> list box"};
inline constexpr Control kList1{
    "list1", {4800, 960, 3495, 1425}, "", "<Target> this is your screen saver images. "};
inline constexpr Control kList2{
    "list2", {4800, 3000, 3495, 1425}, "", "<Target> this is your screen saver audio play back. "};
inline constexpr Control kTxtTimer{
    "txtTimer", {4800, 4800, 495, 375}, "5", "Mininmum is 1 Sec....Maximum is  60 sec."};
inline constexpr Control kVsTimer{"vsTimer", {5280, 4800, 255, 375}};
inline constexpr Range kVsTimerRange{1, 60, 5};
inline constexpr Control kCmdOK{
    "cmdOK", {1200, 5280, 1215, 375}, "&OK", "Click here to accept this setting"};
inline constexpr Control kCmdCancel{
    "cmdCancel", {3600, 5280, 1335, 375}, "&Cancel", "Click here to ignore all changes"};
inline constexpr Control kCmdMoreInfo{"cmdMoreInfo",
                                      {6120, 5280, 1335, 375},
                                      "A&bout",
                                      "To display License agreement / contact information"};

// Labels take no focus, yet their place decides where an access key in them
// would lead.
inline constexpr std::array kTabOrder{
    &kCmdOK,  &kList1,       &kCmdAdd, &kCmdAddAll, &kCmdRemove, &kCmdRemoveAll, &kCmdCancel,
    &kDir1,   &kFile1,       &kDrive1, &kCombo1,    &kTxtTimer,  &kLabel1,       &kLabel2,
    &kLabel3, &kCmdMoreInfo, &kLabel4, &kVsTimer,   &kList2,     &kLabel5,       &kLabel6};

}  // namespace vs::design::configuration
