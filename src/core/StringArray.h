#pragma once

#include <string>
#include <vector>

namespace vs {

// A growable string array with lower bound 0 that may have no elements at all.
// Every access is checked: asking an array without elements for its upper
// bound, or for an index outside it, is a RuntimeFailure.
class StringArray {
 public:
  bool HasElements() const { return !items_.empty(); }
  int Count() const { return static_cast<int>(items_.size()); }
  int UBound() const;
  const std::string& operator()(int index) const;
  std::string& operator()(int index);

  // Grows or shrinks to upper bound `upperBound`, keeping the elements.
  void RedimPreserve(int upperBound);
  // Leaves the array without elements.
  void Erase() { items_.clear(); }

 private:
  void CheckIndex(int index) const;

  std::vector<std::string> items_;
};

}  // namespace vs
