#include "platform/windows/files/WindowsFileSystem.h"

#include "core/RuntimeFailure.h"

namespace vs {

// Placeholders until the Win32 file calls are written.
void WindowsFileSystem::AppendText(const std::string&, const std::string&) {
  throw RuntimeFailure("not yet");
}
bool WindowsFileSystem::IsOrdinaryFile(const std::string&) { return false; }
void WindowsFileSystem::DeleteFile(const std::string&) { throw RuntimeFailure("not yet"); }

}  // namespace vs
