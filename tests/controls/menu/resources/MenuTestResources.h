#pragma once

// Toolbar resources of the menu tests and the commands they list.
#define IDT_SYSCOLOR_TOOLBAR 300   // 16 colours: 101 (picture 0), separator, 102 (1), 103 (2)
#define IDT_TRUECOLOR_TOOLBAR 301  // 24 bits: 201 (picture 0), 202 (1)
#define IDT_NO_BITMAP_TOOLBAR 302  // lists 401, has no bitmap
#define IDB_256_COLORS 303         // a bitmap without a toolbar
#define IDT_256_COLOR_TOOLBAR 304  // 256 colours, one picture: 501 (0), 502 (1, missing)
#define IDT_BAD_VERSION_TOOLBAR 305
#define IDT_TRUNCATED_TOOLBAR 306
#define IDB_TRUNCATED_BITMAP 307  // a 16-colour header without its pixels

#define ID_CMD_RED 101
#define ID_CMD_GREEN 102
#define ID_CMD_BLUE 103
#define ID_CMD_TRUE_RED 201
#define ID_CMD_TRUE_GREEN 202
#define ID_CMD_NO_BITMAP 401
#define ID_CMD_256_FIRST 501
#define ID_CMD_256_SECOND 502
