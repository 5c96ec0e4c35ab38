#include "formats/io/FileSnapshot.h"

#include <windows.h>

#include <cstring>

#include "formats/io/windows/WideNames.h"

namespace vs {
namespace {

bool IsAbsentError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// FILETIME counts 100 ns from 1601; the stamps count ns from 1970.
std::int64_t Nanoseconds(const FILETIME& time) {
  const std::int64_t ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (ticks - 116'444'736'000'000'000) * 100;
}

std::string Problem(DWORD error) { return std::strerror(ErrnoOfWindowsError(error)); }

std::int64_t Nanoseconds(const LARGE_INTEGER& time) {
  FILETIME asFileTime{};
  asFileTime.dwLowDateTime = time.LowPart;
  asFileTime.dwHighDateTime = static_cast<DWORD>(time.HighPart);
  return Nanoseconds(asFileTime);
}

// The change time is the one a program cannot set back: a rewrite that
// restores the last write time still shows there. Without it (a file system
// that keeps none) the write time stands in.
bool ReadStamp(HANDLE file, FileStamp& stamp, DWORD& attributes) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info)) return false;
  stamp.state = FileStamp::State::kPresent;
  stamp.device = info.dwVolumeSerialNumber;
  stamp.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  stamp.modifiedNs = Nanoseconds(info.ftLastWriteTime);
  FILE_BASIC_INFO basic{};
  const bool hasChangeTime =
      GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) &&
      basic.ChangeTime.QuadPart != 0;
  stamp.changedNs = hasChangeTime ? Nanoseconds(basic.ChangeTime) : stamp.modifiedNs;
  attributes = info.dwFileAttributes;
  return true;
}

// Folders open too (backup semantics), so that one in the file's place is
// told apart from a file the user may not read.
HANDLE Open(const std::string& path) {
  return CreateFileW(WideName(path).c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

void ReadContent(HANDLE file, std::uint64_t size, std::size_t maxBytes, FileSnapshot& snapshot) {
  const std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
  if (size > maxBytes) {
    snapshot.problem = tooLarge;
    return;
  }
  snapshot.content.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      snapshot.problem = Problem(GetLastError());
      return;
    }
    if (got == 0) {
      snapshot.state = FileSnapshot::State::kRead;
      return;
    }
    if (snapshot.content.size() + got > maxBytes) {
      snapshot.problem = tooLarge;
      return;
    }
    snapshot.content.append(buffer, got);
  }
}

}  // namespace

std::int64_t WallClockNs() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return Nanoseconds(now);
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  const HANDLE file = Open(path);
  if (file == INVALID_HANDLE_VALUE) {
    if (IsAbsentError(GetLastError())) stamp.state = FileStamp::State::kAbsent;
    return stamp;
  }
  DWORD attributes = 0;
  if (!ReadStamp(file, stamp, attributes)) stamp = FileStamp();
  CloseHandle(file);
  return stamp;
}

FileSnapshot ReadSnapshot(const std::string& path, std::size_t maxBytes) {
  FileSnapshot snapshot;
  snapshot.takenNs = WallClockNs();
  const HANDLE file = Open(path);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (IsAbsentError(error)) {
      snapshot.stamp.state = FileStamp::State::kAbsent;
    } else {
      snapshot.state = FileSnapshot::State::kUnreadable;
      snapshot.problem = Problem(error);
    }
    return snapshot;
  }
  snapshot.state = FileSnapshot::State::kUnreadable;
  FileStamp stamp;
  DWORD attributes = 0;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    snapshot.problem = "not a regular file";
  } else if (!ReadStamp(file, stamp, attributes)) {
    snapshot.problem = Problem(GetLastError());
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    snapshot.problem = "not a regular file";
  } else {
    snapshot.stamp = stamp;
    ReadContent(file, snapshot.stamp.size, maxBytes, snapshot);
  }
  CloseHandle(file);
  if (snapshot.state == FileSnapshot::State::kUnreadable) snapshot.content = std::string();
  return snapshot;
}

}  // namespace vs
