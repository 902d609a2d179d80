// What the Russian build shows and the few details that differ from the
// English build.
#pragma once

#define KESTRUM_LANGUAGE_NAME L"ru"

constexpr const wchar_t* kStartCaption = L"Старт";
constexpr const wchar_t* kPauseCaption = L"Пауза";
constexpr const wchar_t* kResetCaption = L"Сброс";
constexpr const wchar_t* kMenuCaption = L"Меню";
constexpr const wchar_t* kScale1Caption = L"x1";
constexpr const wchar_t* kScale5Caption = L"x5";
constexpr const wchar_t* kScale10Caption = L"x10";
constexpr const wchar_t* kTheoryCaption = L"Уравнение Бюргерса";
constexpr const wchar_t* kPropagationCaption = L"Распространение волны";
constexpr const wchar_t* kFormationCaption = L"Формирование волны";
constexpr const wchar_t* kExitCaption = L"Выход";
constexpr const wchar_t* kAuthorsCaption = L"Авторы";

// The messages the program shows before it ends: memory ran out, or its
// window cannot be made.
constexpr const wchar_t* kProgramTitle = L"Kestrum";
constexpr const wchar_t* kOutOfMemoryText =
    L"Для работы Kestrum не хватает памяти. Программа будет закрыта.";
constexpr const wchar_t* kStartFailedText =
    L"Не удаётся открыть окно Kestrum. Программа будет закрыта.";

// The longer Russian captions need the title column further left.
constexpr int kTitleColumnDivisor = 7;
