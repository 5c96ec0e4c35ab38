#include "formats/ini/IniDocument.h"

#include <utility>

#include "core/Text.h"

namespace vs {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t from) {
  while (from < text.size() && IsBlank(text[from])) ++from;
  return from;
}

std::size_t TrimBlanksBack(std::string_view text, std::size_t from, std::size_t to) {
  while (to > from && IsBlank(text[to - 1])) --to;
  return to;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// What a line is, judged as a reader would: only headers and key lines matter.
enum class LineKind { kBlank, kHeader, kKey, kOther };

struct Classified {
  LineKind kind = LineKind::kOther;
  std::string_view name;  // the section or key name, trimmed
};

Classified Classify(std::string_view text) {
  const std::size_t start = SkipBlanks(text, 0);
  if (start == text.size()) return {LineKind::kBlank, {}};
  if (text[start] == '[') {
    const std::size_t close = text.find(']', start + 1);
    const std::size_t end = close == text.npos ? text.size() : close;
    return {LineKind::kHeader, TrimBlanks(text.substr(start + 1, end - start - 1))};
  }
  if (text[start] == ';' || text[start] == '#') return {LineKind::kOther, {}};
  const std::size_t equals = text.find('=', start);
  if (equals == text.npos) return {LineKind::kOther, {}};
  return {LineKind::kKey, TrimBlanks(text.substr(start, equals - start))};
}

// A key line's value sits after '=', without surrounding blanks; an empty
// value sits right after the '='.
void LocateValue(std::string_view text, std::size_t& begin, std::size_t& end) {
  const std::size_t equals = text.find('=');
  begin = SkipBlanks(text, equals + 1);
  end = TrimBlanksBack(text, begin, text.size());
  if (begin == end) begin = end = equals + 1;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument document;
  if (text.substr(0, kBom.size()) == kBom) {
    document.hasBom_ = true;
    text.remove_prefix(kBom.size());
  }
  const std::size_t firstLf = text.find('\n');
  if (firstLf != text.npos && firstLf > 0 && text[firstLf - 1] == '\r') {
    document.newLineEnd_ = LineEnd::kCrLf;
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t lf = text.find('\n', pos);
    Line line;
    std::size_t end = text.size();
    if (lf != text.npos) {
      const bool crlf = lf > pos && text[lf - 1] == '\r';
      line.end = crlf ? LineEnd::kCrLf : LineEnd::kLf;
      end = crlf ? lf - 1 : lf;
    } else if (end > pos && text[end - 1] == '\r') {
      line.end = LineEnd::kCr;
      --end;
    }
    line.text.assign(text.substr(pos, end - pos));
    document.AddLine(std::move(line));
    pos = lf == text.npos ? text.size() : lf + 1;
  }
  return document;
}

void IniDocument::AddLine(Line line) {
  const Classified classified = Classify(line.text);
  switch (classified.kind) {
    case LineKind::kBlank:
      sections_.back().trailingBlanks.push_back(std::move(line));
      return;
    case LineKind::kHeader:
      sectionIndex_.emplace(ToUpperAscii(classified.name), sections_.size());
      sections_.emplace_back();
      break;
    case LineKind::kKey:
      LocateValue(line.text, line.valueBegin, line.valueEnd);
      sections_.back().keys.emplace(
          ToUpperAscii(classified.name),
          sections_.back().lines.size() + sections_.back().trailingBlanks.size());
      break;
    case LineKind::kOther:
      break;
  }
  AppendLine(sections_.back(), std::move(line));
}

void IniDocument::AppendLine(Section& section, Line line) {
  for (Line& blank : section.trailingBlanks) section.lines.push_back(std::move(blank));
  section.trailingBlanks.clear();
  section.lines.push_back(std::move(line));
}

std::string IniDocument::Serialize() const {
  std::size_t size = kBom.size();
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) size += line.text.size() + 2;
    for (const Line& line : section.trailingBlanks) size += line.text.size() + 2;
  }
  std::string out;
  out.reserve(size);
  if (hasBom_) out.append(kBom);
  // Only the file's last line lacks a whole line end; lines added after it
  // need one, and a lone CR gets its LF.
  std::string_view endPending;
  auto write = [&](const Line& line) {
    out.append(endPending);
    out.append(line.text);
    switch (line.end) {
      case LineEnd::kNone:
        endPending = newLineEnd_ == LineEnd::kCrLf ? "\r\n" : "\n";
        return;
      case LineEnd::kCr:
        out.push_back('\r');
        endPending = "\n";
        return;
      case LineEnd::kLf:
        out.push_back('\n');
        break;
      case LineEnd::kCrLf:
        out.append("\r\n");
        break;
    }
    endPending = {};
  };
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) write(line);
    for (const Line& line : section.trailingBlanks) write(line);
  }
  return out;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
  const auto sectionAt = sectionIndex_.find(ToUpperAscii(TrimBlanks(section)));
  if (sectionAt == sectionIndex_.end()) return std::nullopt;
  const Section& found = sections_[sectionAt->second];
  const auto keyAt = found.keys.find(ToUpperAscii(TrimBlanks(key)));
  if (keyAt == found.keys.end()) return std::nullopt;
  const Line& line = found.lines[keyAt->second];
  return std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  // Each name must read back as itself once written as "[section]" or "key=".
  const std::string headerLine = "[" + std::string(section) + "]";
  const std::string keyLine = std::string(key) + "=";
  const Classified asHeader = Classify(headerLine);
  const Classified asKey = Classify(keyLine);
  if (section.empty() || HasLineBreak(section) || asHeader.name != section || key.empty() ||
      HasLineBreak(key) || asKey.kind != LineKind::kKey || asKey.name != key) {
    return false;
  }
  value = TrimBlanks(value.substr(0, value.find_first_of("\r\n")));

  Section& target = SectionForWrite(section);
  const auto keyAt = target.keys.find(ToUpperAscii(key));
  if (keyAt != target.keys.end()) {
    Line& line = target.lines[keyAt->second];
    line.text.replace(line.valueBegin, line.text.npos, value);
    line.valueEnd = line.valueBegin + value.size();
    return true;
  }
  Line line;
  line.text.reserve(key.size() + 1 + value.size());
  line.text.append(key).append("=").append(value);
  line.end = newLineEnd_;
  line.valueBegin = key.size() + 1;
  line.valueEnd = line.text.size();
  target.keys.emplace(ToUpperAscii(key), target.lines.size());
  target.lines.push_back(std::move(line));
  return true;
}

IniDocument::Section& IniDocument::SectionForWrite(std::string_view name) {
  const auto [at, inserted] = sectionIndex_.emplace(ToUpperAscii(name), sections_.size());
  if (inserted) {
    Line header;
    header.text.append("[").append(name).append("]");
    header.end = newLineEnd_;
    sections_.emplace_back().lines.push_back(std::move(header));
  }
  return sections_[at->second];
}

}  // namespace vs
