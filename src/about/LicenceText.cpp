#include "about/LicenceText.h"

namespace vs {

std::string_view LicenceText() {
  static constexpr std::string_view kText =
      "Please read this End-User License Agreement carefully before you\r\n"
      "install or use VostramelSaver.\r\n"
      "\r\n"
      "VostramelSaver, a screen saver for the desktop, is owned by\r\n"
      "Quillmere Softworks. It is called the \"Software\" in the rest of\r\n"
      "this agreement.\r\n"
      "\r\n"
      "Quillmere Softworks grants you the right to use the Software free of\r\n"
      "charge. The Software is freeware.\r\n"
      "\r\n"
      "You may make one copy of the Software only for backup or archival\r\n"
      "purposes. Any other copying of the Software is forbidden.\r\n"
      "\r\n"
      "You may not reverse engineer, decompile, disassemble, copy, sell, rent,\r\n"
      "lend or otherwise transfer the Software.\r\n"
      " \r\n"
      "The Software is supplied \"as is\", without warranty of any kind, either\r\n"
      "express or implied. You bear the entire risk as to its quality and\r\n"
      "performance.\r\n"
      "\r\n"
      "In no event shall Quillmere Softworks be liable for any damages arising\r\n"
      "out of the use of or inability to use the Software.\r\n"
      "\r\n"
      "This license is effective until terminated. You may terminate it by\r\n"
      "destroying all copies of the Software. Quillmere Softworks may\r\n"
      "terminate it if you fail to comply with any term of this agreement.\r\n"
      "\r\n"
      "If you do not agree to these terms, quit the program and delete\r\n"
      "all of its files from your computer.\r\n";
  return kText;
}

}  // namespace vs
