// Writing a file in place, in-process: a write that fails names the file
// asked for and the system's reason, and leaves nothing behind; a full
// disk is seen before the write.
#include "output_paths.h"

#include <gtest/gtest.h>

namespace {

BOOL WINAPI FailAsDiskFull(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

TEST(OutputPaths, AFailedWriteNamesTheFileAndLeavesNothing) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + (L"kestrum-out-" + std::to_wstring(GetCurrentProcessId()));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\frame.png";
    std::wstring failure;
    g_writeFile = FailAsDiskFull;
    EXPECT_FALSE(WriteFileInPlace(path, std::vector<BYTE>(100, 1), failure));
    g_writeFile = WriteFile;
    EXPECT_EQ(failure, L"cannot write '" + path + L"': " + DescribeSystemError(ERROR_DISK_FULL));
    // The system's words, not only the number.
    EXPECT_NE(DescribeSystemError(ERROR_DISK_FULL).rfind(L"(error", 0), 0u);
    // More bytes than any disk holds do not fit; one byte does.
    EXPECT_FALSE(HasRoomFor(path, ~uint64_t{0}, failure));
    EXPECT_TRUE(HasRoomFor(path, 1, failure));
    // Only an empty folder can be removed.
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
}

}  // namespace
