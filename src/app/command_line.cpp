#include "command_line.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace {

// The words of a command line, the program's own name (perhaps quoted)
// first, as the platform splits them for plain arguments. Split here, not
// by CommandLineToArgvW, so that the programs need no SHELL32.
std::vector<std::wstring> SplitWords(const wchar_t* line) {
    std::vector<std::wstring> words;
    std::wstring word;
    bool quoted = false;
    for (const wchar_t* c = line; c != nullptr && *c != L'\0'; ++c) {
        if (*c == L'"') {
            quoted = !quoted;
        } else if (!quoted && std::iswspace(*c)) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

}  // namespace

bool ReadProjectorOption(const wchar_t* commandLine) {
    const std::vector<std::wstring> words = SplitWords(commandLine);
    for (size_t i = 1; i < words.size(); ++i) {
        if (lstrcmpiW(words[i].c_str(), L"--projector") == 0) return true;
    }
    return false;
}

int ReadMonitorOption(const wchar_t* commandLine) {
    const std::vector<std::wstring> words = SplitWords(commandLine);
    for (size_t i = 1; i + 1 < words.size(); ++i) {
        if (lstrcmpiW(words[i].c_str(), L"--monitor") != 0) continue;
        const std::wstring& number = words[i + 1];
        if (number.empty() || number.size() > 3 ||
            number.find_first_not_of(L"0123456789") != std::wstring::npos) {
            return 0;
        }
        return std::wcstol(number.c_str(), nullptr, 10);
    }
    return 0;
}
