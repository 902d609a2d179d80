// The push-button panels of the screens, placed by the panels' geometry
// (panel_layout.h) for the window's client size and DPI.
#pragma once

#include <windows.h>

#include "panel_layout.h"

// The title panel, with the controls' font on every button.
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
