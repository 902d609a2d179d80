// Where kestrum-frames writes: the files a request names, all checked
// before anything is painted, and paths of any length the platform takes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame_arguments.h"

// The folder part of a path: "." when it has none, and the root itself for
// "\x" or "C:\x". Both slashes separate.
std::wstring FindFolderOf(const std::wstring& path);

// The path as it is handed to the file functions: absolute, with the
// "\\?\" prefix that lifts the MAX_PATH limit of 260 characters.
std::wstring ExtendPath(const std::wstring& path);

// Creates a new, empty file with a name of its own in `folder`, opened
// for writing; INVALID_HANDLE_VALUE when none can be made. `path` receives
// its name (extended).
HANDLE CreateTemporaryFile(const std::wstring& folder, std::wstring& path);

// Turns --out into the files to write, as the user will read them: a .gif
// file itself; into a folder (created if missing, one level) for a range,
// for a folder given by name, or for no --out at all; otherwise the .png
// file itself. Refuses, naming --out, what cannot be written: a missing
// folder, a file where a folder is wanted, a name that is neither .png nor
// .gif, a file that cannot be replaced (read-only, or a folder), a folder
// without write access.
bool ResolveOutputPaths(const FrameRequest& request, std::vector<std::wstring>& paths,
                        ArgumentError& error);

// Writes `bytes` to a temporary file in the folder of `path`, then moves
// it onto `path`; on any failure the temporary file is removed, `path` is
// left as it was, and `failure` names `path` and the system's reason.
bool WriteFileInPlace(const std::wstring& path, const std::vector<BYTE>& bytes,
                      std::wstring& failure);

// The file writes of WriteFileInPlace: a test puts a failing one here, as
// a disk that fills up is not at hand.
extern decltype(&WriteFile) g_writeFile;

// "Access is denied (error 5)": the system's words for an error code.
std::wstring DescribeSystemError(DWORD code);

// Whether the disk of `path` has `bytes` free; otherwise `failure` says
// the disk is full. True when the platform cannot tell.
bool HasRoomFor(const std::wstring& path, uint64_t bytes, std::wstring& failure);

// Removes the folder ResolveOutputPaths created for this run if nothing
// has been written into it: a run that fails leaves no empty folder.
void RemoveCreatedFolderIfEmpty();
