#include "platform/windows/app/ProgramArguments.h"

#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"
#include "platform/windows/files/KnownFolders.h"
// After the Windows headers it needs.
#include <shellapi.h>

namespace vs {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// `path` as a full path in its long form, so that a relative, short or long
// spelling of one file compares equal.
std::wstring LongFullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  }
  full.resize(length);
  std::wstring longer(full.size() + MAX_PATH, L'\0');
  length = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (length == 0 || length >= longer.size()) return full;
  longer.resize(length);
  return longer;
}

}  // namespace

std::wstring_view ArgumentsAfterProgram(std::wstring_view commandLine,
                                        const std::function<bool(std::wstring_view)>& namesProgram) {
  while (!commandLine.empty() && IsBlank(commandLine.front())) commandLine.remove_prefix(1);
  if (!commandLine.empty() && commandLine.front() == L'"') {
    const std::size_t close = commandLine.find(L'"', 1);
    return close == std::wstring_view::npos ? std::wstring_view() : commandLine.substr(close + 1);
  }
  std::size_t firstWord = std::wstring_view::npos;
  for (std::size_t end = 1; end <= commandLine.size(); ++end) {
    if (end < commandLine.size() && !IsBlank(commandLine[end])) continue;
    if (IsBlank(commandLine[end - 1])) continue;
    if (firstWord == std::wstring_view::npos) firstWord = end;
    if (namesProgram(commandLine.substr(0, end))) return commandLine.substr(end);
  }
  return firstWord == std::wstring_view::npos ? std::wstring_view()
                                              : commandLine.substr(firstWord);
}

std::string ProgramArguments() {
  const std::wstring program = LongFullPath(ProgramFilePath());
  const std::wstring_view rest =
      ArgumentsAfterProgram(GetCommandLineW(), [&program](std::wstring_view candidate) {
        return CompareStringOrdinal(program.c_str(), -1,
                                    LongFullPath(std::wstring(candidate)).c_str(), -1,
                                    TRUE) == CSTR_EQUAL;
      });
  // The arguments are split as the C runtime splits them, after a stand-in for
  // the program (whose own rules differ).
  const std::wstring line = L"program " + std::wstring(rest);
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
  std::string joined;
  for (int i = 1; words != nullptr && i < count; ++i) {
    if (i > 1) joined += ' ';
    joined += Utf8Name(words[i]);
  }
  LocalFree(words);
  return joined;
}

}  // namespace vs
