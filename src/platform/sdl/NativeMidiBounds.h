#pragma once

#include <cstddef>
#include <string_view>

namespace vs {

// The reader decides from a file's first bytes whether it reads the file at all.
inline constexpr std::size_t kNativeMidiHeadBytes = 24;
// Whether the reader takes the file that starts with `head` for a MIDI file.
bool NativeMidiReaderReads(std::string_view head);

// SDL_mixer's own MIDI reader, the one the Windows build plays MIDI with, trusts every length a
// file gives: a track longer than the file, an event or a length running past its track, or a
// tempo event shorter than a tempo make it read past its buffers and crash the program. True
// when that reader would do so on `file`, or a length in it is malformed; false for intact MIDI
// files and for anything that is not a MIDI file at all, which the reader turns down by itself.
bool OverrunsNativeMidiReader(std::string_view file);

}  // namespace vs
