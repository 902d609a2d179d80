// What the English build shows and the few details that differ from the
// Russian build.
#pragma once

#define KESTRUM_LANGUAGE_NAME L"en"

constexpr const wchar_t* kStartCaption = L"Start";
constexpr const wchar_t* kPauseCaption = L"Pause";
constexpr const wchar_t* kResetCaption = L"Reset";
constexpr const wchar_t* kMenuCaption = L"Menu";
constexpr const wchar_t* kScale1Caption = L"x1";
constexpr const wchar_t* kScale5Caption = L"x5";
constexpr const wchar_t* kScale10Caption = L"x10";
constexpr const wchar_t* kTheoryCaption = L"Burgers equation";
constexpr const wchar_t* kPropagationCaption = L"Wave propagation";
constexpr const wchar_t* kFormationCaption = L"Wave formation";
constexpr const wchar_t* kExitCaption = L"Exit";
constexpr const wchar_t* kAuthorsCaption = L"Authors";

// The messages the program shows before it ends: memory ran out, or its
// window cannot be made.
constexpr const wchar_t* kProgramTitle = L"Kestrum";
constexpr const wchar_t* kOutOfMemoryText =
    L"There is not enough memory for Kestrum to go on. The program will close.";
constexpr const wchar_t* kStartFailedText =
    L"Kestrum cannot open its window. The program will close.";

// The title column stands left of centre by a ninth of the width, clear of
// the English title artwork.
constexpr int kTitleColumnDivisor = 9;
