// The push-button panels of the screens and their geometry.
#pragma once

#include <windows.h>

constexpr int kTitleButtonCount = 5;
constexpr int kFormationButtonCount = 6;

// Where the lone Menu button of a picture or propagation screen stands.
enum MenuButtonPosition { MenuButtonLeft, MenuButtonPropagation };

// Button rectangles for a client rectangle, in creation order: theory,
// propagation, formation, exit, authors.
void ComputeTitlePanel(const RECT& client, RECT buttons[kTitleButtonCount]);
// Start/Pause, Reset, Menu, x1, x5, x10.
void ComputeFormationPanel(const RECT& client, RECT buttons[kFormationButtonCount]);
RECT ComputeLoneMenuButton(const RECT& client, MenuButtonPosition position);

// The title panel, with g_font on every button.
void CreateMenuButtons(HWND window);
// The formation panel, "Start" on its first button ("Pause" while a run
// goes on), with g_font.
void CreateFormationButtons(HWND window);
// The lone Menu button into g_menuButton; the caller gives it the font.
void CreateLoneMenuButton(HWND window, MenuButtonPosition position);
// Destroys the Start/Pause button and creates a new one with the caption;
// the caller gives it the font.
void ReplaceStartPauseButton(HWND window, const wchar_t* caption);

void DestroyTitlePanel();
void DestroyFormationPanel();
