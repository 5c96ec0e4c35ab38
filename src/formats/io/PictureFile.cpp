#include "formats/io/PictureFile.h"

#include "formats/picture/PictureSupport.h"

namespace vs {

void PictureFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
  if (ReadSomeAt(offset, buffer, count) != count) ThrowInvalidPicture(path_, "is truncated");
}

}  // namespace vs
