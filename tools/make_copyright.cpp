// Writes the Debian package's machine-readable copyright file from its
// template, filling in the maker and the licence the About box shows, so the
// package never carries a second copy of either.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "about/LicenceText.h"
#include "about/Maker.h"

namespace {

// A paragraph's continuation lines: indented, an empty line written as ".".
std::string Continuation(std::string_view text) {
  std::string out;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line.empty() ? " ." : " " + line;
    out += '\n';
  }
  while (out.size() >= 3 && out.compare(out.size() - 3, 3, " .\n") == 0) out.resize(out.size() - 3);
  if (!out.empty()) out.pop_back();
  return out;
}

void Replace(std::string& text, const std::string& key, const std::string& value) {
  for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at)) {
    text.replace(at, key.size(), value);
    at += value.size();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: make_copyright TEMPLATE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();
  Replace(text, "@VS_MAKER_NAME@", vs::kMakerName);
  Replace(text, "@VS_MAKER_EMAIL@", vs::kMakerEmail);
  Replace(text, "@VS_MAKER_WEB_ADDRESS@", vs::kMakerWebAddress);
  Replace(text, "@VS_LICENCE_TEXT@", Continuation(vs::LicenceText()));
  std::ofstream out(argv[2], std::ios::binary);
  out << text;
  return in && out ? 0 : 1;
}
