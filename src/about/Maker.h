#pragma once

namespace vs {

// The maker as the About box, the licence and the version information name it.
inline constexpr const char* kMakerName = "Quillmere Softworks";
inline constexpr const char* kAuthorCredit = "Written by Tamsin Orlev";
inline constexpr const char* kMakerWebAddress = "https://quillmere.example.net";
inline constexpr const char* kMakerEmail = "bugs@quillmere.example.net";

}  // namespace vs
