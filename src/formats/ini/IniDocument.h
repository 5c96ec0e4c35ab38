#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vs {

// An INI file held as its lines, so that rewriting it keeps every byte we did
// not change: comments, blank lines, other sections, unknown keys, BOM and
// line ends. Names compare case-insensitively (ASCII); values are raw bytes.
class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);

  std::string Serialize() const;

  // The value of the first occurrence of the key in the first occurrence of
  // the section, without surrounding blanks; nothing when either is absent.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  // Replaces the first occurrence's value in place, or appends the key at the
  // end of its section, creating the section as needed. A value is cut at its
  // first line break. Returns false, changing nothing, for a name that cannot
  // be written back so that it reads as itself.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  // kCr: a lone CR that ends the text. It reads like CR LF, and becomes CR LF
  // when a line follows, so a write never changes how it reads.
  enum class LineEnd : unsigned char { kNone, kLf, kCrLf, kCr };

  struct Line {
    std::string text;  // without its line end
    LineEnd end = LineEnd::kNone;
    std::size_t valueBegin = 0;  // meaningful for key lines only
    std::size_t valueEnd = 0;
  };

  struct Section {
    std::vector<Line> lines;  // the header first, except in the preamble
    // Blank lines after the last non-blank one: new keys go before them.
    std::vector<Line> trailingBlanks;
    // Upper-cased key name -> index in `lines` of its first occurrence.
    std::unordered_map<std::string, std::size_t> keys;
  };

  void AddLine(Line line);
  static void AppendLine(Section& section, Line line);
  Section& SectionForWrite(std::string_view name);

  bool hasBom_ = false;
  LineEnd newLineEnd_ = LineEnd::kLf;
  // sections_[0] holds the lines before the first header; it is never looked up.
  std::vector<Section> sections_ = std::vector<Section>(1);
  // Upper-cased section name -> index in `sections_` of its first occurrence.
  std::unordered_map<std::string, std::size_t> sectionIndex_;
};

}  // namespace vs
