#include "formats/io/PictureFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "core/RuntimeFailure.h"
#include "formats/io/windows/WideNames.h"

namespace vs {
namespace {

[[noreturn]] void CannotOpen(const std::string& path, DWORD error) {
  throw RuntimeFailure("Cannot open file: " + path + " (" +
                       std::strerror(ErrnoOfWindowsError(error)) + ")");
}

HANDLE HandleOf(std::FILE* stream) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

}  // namespace

PictureFile::PictureFile(const std::string& path) : path_(path) {
  const HANDLE file = CreateFileW(WideName(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      throw RuntimeFailure("File not found: " + path);
    }
    CannotOpen(path, error);
  }
  // Devices and pipes could block the saver or never end.
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    throw RuntimeFailure("Cannot open file: " + path + " is not a regular file");
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    CannotOpen(path, error);
  }
  stream_ = _fdopen(fd, "rb");
  if (stream_ == nullptr) {
    const DWORD error = GetLastError();
    _close(fd);
    CannotOpen(path, error);
  }
  size_ = static_cast<std::uint64_t>(size.QuadPart);
}

PictureFile::~PictureFile() { std::fclose(stream_); }

std::size_t PictureFile::ReadSomeAt(std::uint64_t offset, void* buffer, std::size_t count) const {
  // A read at an offset moves the file pointer, which the stream reads from:
  // it is put back afterwards.
  const HANDLE file = HandleOf(stream_);
  LARGE_INTEGER streamAt{};
  SetFilePointerEx(file, LARGE_INTEGER{}, &streamAt, FILE_CURRENT);
  std::size_t done = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (done < count) {
    const std::uint64_t position = offset + done;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file, bytes + done, chunk, &got, &at) || got == 0) break;
    done += got;
  }
  SetFilePointerEx(file, streamAt, nullptr, FILE_BEGIN);
  return done;
}

}  // namespace vs
