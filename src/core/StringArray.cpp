#include "core/StringArray.h"

#include "core/RuntimeFailure.h"

namespace vs {

int StringArray::UBound() const {
  if (items_.empty()) throw RuntimeFailure("Subscript out of range: the list has no elements");
  return Count() - 1;
}

void StringArray::CheckIndex(int index) const {
  if (items_.empty()) throw RuntimeFailure("Subscript out of range: the list has no elements");
  if (index < 0 || index >= Count()) {
    throw RuntimeFailure("Subscript out of range: index " + std::to_string(index) +
                         " is outside 0 to " + std::to_string(Count() - 1));
  }
}

const std::string& StringArray::operator()(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)];
}

std::string& StringArray::operator()(int index) {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)];
}

void StringArray::RedimPreserve(int upperBound) {
  if (upperBound < 0) throw RuntimeFailure("Subscript out of range: negative upper bound");
  items_.resize(static_cast<std::size_t>(upperBound) + 1);
}

}  // namespace vs
