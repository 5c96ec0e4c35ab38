#include "formats/io/FileSnapshot.h"

namespace vs {
namespace {

constexpr std::int64_t kCoarsestClockNs = 2'000'000'000;

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const {
  // An unknown stamp never matches, so whatever holds it is read again.
  if (state == State::kUnknown || other.state == State::kUnknown) return false;
  if (state != other.state) return false;
  if (state == State::kAbsent) return true;
  return device == other.device && inode == other.inode && size == other.size &&
         modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

bool FileStamp::SettledAt(std::int64_t seenNs) const {
  // Any write sets the change time to the clock, whatever it does to the
  // modification time.
  return state == State::kAbsent ||
         (state == State::kPresent && seenNs - changedNs > kCoarsestClockNs);
}

}  // namespace vs
