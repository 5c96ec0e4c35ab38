#include "FakeProfile.h"

namespace vs::fake {

std::string FakeProfile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                 const std::string& defaultValue,
                                                 std::size_t bufferSize,
                                                 const std::string& fileName) {
  const std::string value = Get(key, fileName, section);
  const std::string& found = value == "<absent>" ? defaultValue : value;
  return found.substr(0, bufferSize == 0 ? 0 : bufferSize - 1);
}

void FakeProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                            const std::string& value, const std::string& fileName) {
  writes.push_back({section, key, value});
  Set(key, value, fileName, section);
}

void FakeProfile::Set(const std::string& key, const std::string& value, const std::string& fileName,
                      const std::string& section) {
  files[fileName][section + "/" + key] = value;
}

std::string FakeProfile::Get(const std::string& key, const std::string& fileName,
                             const std::string& section) const {
  const auto file = files.find(fileName);
  if (file == files.end()) return "<absent>";
  const auto entry = file->second.find(section + "/" + key);
  return entry == file->second.end() ? "<absent>" : entry->second;
}

}  // namespace vs::fake
