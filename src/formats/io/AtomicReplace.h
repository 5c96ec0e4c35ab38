#pragma once

#include <string>
#include <string_view>

namespace vs {

// Creates the folder and any missing parents (mode 0700, for private
// settings). Returns false, with errno telling why, when the folder cannot be
// had.
bool CreateDirectories(const std::string& directory);

// Puts `content` at `path` so that a crash, a kill or a full disk leaves
// either the old file or the new one: the content goes to a temporary file in
// the same folder, is flushed, then renamed over the old file. On POSIX the old
// file's permission bits and owner are kept (the temporary file has them before
// it holds any content), a symbolic link is followed, not replaced, and the
// temporary files that crashed saves left beside the file are removed; on
// Windows the old file's attributes and security descriptor are kept, and a
// replace that finds the file held open by another program is tried again for
// about a second. Creates the folder when missing. Returns false, with no
// temporary file left and errno telling why, on any failure; the old file is
// untouched, except on POSIX when the folder cannot be flushed after the
// rename: the new file is then in place but may not survive a power cut.
bool ReplaceFileAtomically(const std::string& path, std::string_view content);

}  // namespace vs
