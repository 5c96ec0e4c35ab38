// Parse, read, write one key, re-parse: a written key reads back and every
// other key keeps its value.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Text.h"
#include "formats/ini/IniDocument.h"
#include "fuzz/FuzzCheck.h"

namespace {

using vs::fuzz::Require;

struct Probe {
  std::string section, key;
  std::optional<std::string> before;
};

std::optional<std::string> Read(const vs::IniDocument& document, const Probe& probe) {
  const auto value = document.Find(probe.section, probe.key);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

// Keys named in the text, found by a rough reading of its own: a probe the
// document does not see must stay unseen after the write.
std::vector<Probe> ProbesIn(std::string_view text) {
  constexpr std::size_t kMaxProbes = 64;
  std::vector<Probe> probes;
  std::string section;
  while (!text.empty() && probes.size() < kMaxProbes) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = vs::TrimBlanks(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      section = line.substr(1, close == line.npos ? line.npos : close - 1);
    } else if (const std::size_t equals = line.find('='); equals != line.npos) {
      probes.push_back({section, std::string(line.substr(0, equals)), std::nullopt});
    }
  }
  return probes;
}

bool SameName(std::string_view a, std::string_view b) {
  return vs::EqualsIgnoringAsciiCase(vs::TrimBlanks(a), vs::TrimBlanks(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString();
  const std::string key = input.ConsumeRandomLengthString();
  const std::string value = input.ConsumeRandomLengthString();
  const std::string text = input.ConsumeRemainingBytesAsString();

  vs::IniDocument document = vs::IniDocument::Parse(text);
  Require(document.Serialize() == text, "an unchanged document writes back every byte");
  std::vector<Probe> probes = ProbesIn(text);
  for (Probe& probe : probes) probe.before = Read(document, probe);

  if (!document.Set(section, key, value)) {
    Require(document.Serialize() == text, "a refused write changes nothing");
    return 0;
  }
  const std::string_view firstLine = std::string_view(value).substr(0, value.find_first_of("\r\n"));
  const std::string expected(vs::TrimBlanks(firstLine));
  const vs::IniDocument again = vs::IniDocument::Parse(document.Serialize());
  const Probe written{section, key, std::nullopt};
  Require(Read(document, written) == expected, "a written key reads back");
  Require(Read(again, written) == expected, "a written key reads back after a re-parse");
  for (const Probe& probe : probes) {
    if (SameName(probe.section, section) && SameName(probe.key, key)) continue;
    Require(Read(again, probe) == probe.before, "other keys keep their values");
  }
  return 0;
}
