#include "FakeFileSystem.h"

#include "core/RuntimeFailure.h"

namespace vs::fake {

void FakeFileSystem::AppendText(const std::string& path, const std::string& bytes) {
  if (readOnly.count(path)) throw RuntimeFailure("Permission denied: " + path);
  files[path] += bytes;
}

void FakeFileSystem::DeleteFile(const std::string& path) {
  if (readOnly.count(path) || undeletable.count(path))
    throw RuntimeFailure("Permission denied: " + path);
  if (files.erase(path) == 0) throw RuntimeFailure("File not found: " + path);
}

}  // namespace vs::fake
