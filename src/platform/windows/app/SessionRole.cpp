#include "platform/windows/app/SessionRole.h"

#include <string>

#include "platform/windows/Win32.h"

namespace vs {

bool ClaimSessionRole(const wchar_t* role) {
  const std::wstring name = std::wstring(L"Local\\VostramelSaver.") + role;
  // Never closed: the end of the process gives the role up.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  // Denied: the object is there, made by the same user at another integrity level.
  if (mutex == nullptr) return GetLastError() != ERROR_ACCESS_DENIED;
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace vs
