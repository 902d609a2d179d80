// Resource ids, shared by the .rc files of the programs and the code.
#pragma once

#define IDB_TITLE 105
#define IDB_THEORY 107
#define IDB_AUTHORS 110
#define IDB_EQUATION 114
#define IDB_FORMATION_BACKGROUND 123
#define IDB_PROPAGATION_HEADER 125

// The icon of all three programs.
#define IDI_KESTRUM 1
