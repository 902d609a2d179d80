#include "output_paths.h"

#include <algorithm>

namespace {

// Extended; empty when the folder was there before the run.
std::wstring g_createdFolder;

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

DWORD ReadAttributes(const std::wstring& path) {
    return GetFileAttributesW(ExtendPath(path).c_str());
}

bool EndsWithSlash(const std::wstring& path) {
    return path.back() == L'\\' || path.back() == L'/';
}

bool RefuseOut(ArgumentError& error, const std::wstring& reason) {
    return Refuse(error, L"--out", reason);
}

// Makes, then removes, a file in the folder.
bool CanWriteInFolder(const std::wstring& folder) {
    std::wstring probe;
    HANDLE file = CreateTemporaryFile(folder, probe);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return true;
}

bool WriteAll(HANDLE file, const std::vector<BYTE>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
        DWORD written = 0;
        if (!g_writeFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

decltype(&WriteFile) g_writeFile = WriteFile;

std::wstring FindFolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    if (slash == 0 || (slash == 2 && path[1] == L':')) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

std::wstring ExtendPath(const std::wstring& path) {
    const std::wstring prefix = L"\\\\?\\";
    if (path.compare(0, prefix.size(), prefix) == 0) return path;
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    full.resize(length);
    // A network path \\server\share becomes \\?\UNC\server\share.
    if (full.compare(0, 2, L"\\\\") == 0) return prefix + L"UNC" + full.substr(1);
    return prefix + full;
}

HANDLE CreateTemporaryFile(const std::wstring& folder, std::wstring& path) {
    // The system's GetTempFileNameW writes into a buffer of MAX_PATH.
    static unsigned s_count = 0;
    std::wstring stem = ExtendPath(folder);
    if (!EndsWithSlash(stem)) stem += L"\\";
    stem += L"~kestrum-frames-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem + std::to_wstring(++s_count) + L".tmp";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool ResolveOutputPaths(const FrameRequest& request, std::vector<std::wstring>& paths,
                        ArgumentError& error) {
    const std::wstring out = request.out.empty() ? L"." : request.out;
    const DWORD attributes = ReadAttributes(out);
    std::wstring folder;
    if (!request.gif && (request.range || IsFolder(attributes) || EndsWithSlash(out))) {
        folder = out;
        if (!IsFolder(attributes)) {
            if (attributes != INVALID_FILE_ATTRIBUTES) {
                return RefuseOut(error, Quote(out) + L" is a file, not a folder for the frames");
            }
            if (!CreateDirectoryW(ExtendPath(out).c_str(), nullptr)) {
                return RefuseOut(error, L"cannot create the folder " + Quote(out));
            }
            g_createdFolder = ExtendPath(out);
        }
        const std::wstring separator = EndsWithSlash(out) ? L"" : L"\\";
        for (int frame : ListRequestedFrames(request)) {
            paths.push_back(out + separator + ComposeFrameFileName(request.screen, frame));
        }
    } else {
        // The name tells the format; another would mislead whatever opens it.
        if (!request.gif && !HasExtension(out, L".png")) {
            return RefuseOut(error, Quote(out) + L" is not a .png or .gif file name, nor a folder");
        }
        folder = FindFolderOf(out);
        if (!IsFolder(ReadAttributes(folder))) {
            return RefuseOut(error, L"the folder of " + Quote(out) + L" does not exist");
        }
        paths.push_back(out);
    }
    for (const std::wstring& path : paths) {
        const DWORD existing = ReadAttributes(path);
        if (existing != INVALID_FILE_ATTRIBUTES &&
            (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
            return RefuseOut(error, Quote(path) + L" exists and cannot be replaced");
        }
    }
    if (!CanWriteInFolder(folder)) {
        RemoveCreatedFolderIfEmpty();
        return RefuseOut(error, L"cannot write in the folder " + Quote(folder));
    }
    return true;
}

void RemoveCreatedFolderIfEmpty() {
    // The platform removes only an empty folder.
    if (!g_createdFolder.empty()) RemoveDirectoryW(g_createdFolder.c_str());
}

std::wstring DescribeSystemError(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : L"";
    LocalFree(text);
    // The system's sentence ends in a full stop and a line break.
    while (!reason.empty() && std::wstring(L"\r\n .").find(reason.back()) != std::wstring::npos) {
        reason.pop_back();
    }
    return (reason.empty() ? L"" : reason + L" ") + L"(error " + std::to_wstring(code) + L")";
}

// "cannot write 'path': Disk full (error 112)": the file asked for, never
// the temporary one, and the system's reason.
static std::wstring DescribeWriteFailure(const std::wstring& path, DWORD code) {
    return L"cannot write " + Quote(path) + L": " + DescribeSystemError(code);
}

bool WriteFileInPlace(const std::wstring& path, const std::vector<BYTE>& bytes,
                      std::wstring& failure) {
    std::wstring temporary;
    HANDLE file = CreateTemporaryFile(FindFolderOf(path), temporary);
    if (file == INVALID_HANDLE_VALUE) {
        failure = DescribeWriteFailure(path, GetLastError());
        return false;
    }
    bool written = WriteAll(file, bytes);
    DWORD code = written ? ERROR_SUCCESS : GetLastError();
    if (!CloseHandle(file) && written) {
        written = false;
        code = GetLastError();
    }
    if (written &&
        !MoveFileExW(temporary.c_str(), ExtendPath(path).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        written = false;
        code = GetLastError();
    }
    if (!written) {
        // The user reads the name asked for; the temporary one is gone.
        DeleteFileW(temporary.c_str());
        failure = DescribeWriteFailure(path, code);
    }
    return written;
}

bool HasRoomFor(const std::wstring& path, uint64_t bytes, std::wstring& failure) {
    ULARGE_INTEGER free = {};
    // Where the platform cannot tell, the write itself will.
    if (!GetDiskFreeSpaceExW(ExtendPath(FindFolderOf(path)).c_str(), &free, nullptr, nullptr) ||
        free.QuadPart >= bytes) {
        return true;
    }
    failure = DescribeWriteFailure(path, ERROR_DISK_FULL) + L"; it needs " +
              std::to_wstring(bytes) + L" bytes or more, " + std::to_wstring(free.QuadPart) +
              L" are free";
    return false;
}
