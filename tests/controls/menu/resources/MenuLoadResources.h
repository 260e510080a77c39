#pragma once

// Menu templates of the loading tests.
#define IDM_ONE_POPUP 600     // "&File": 601, 602
#define IDM_NESTED 610        // two popups with sub-menus, then a command on the bar
#define IDM_SEPARATOR 620     // "&View": 621, separator, 622
#define IDM_ACCELERATORS 630  // labels with and without accelerators
#define IDM_TOO_DEEP 640      // popups nested 65 levels deep
#define IDM_DEEPEST 641       // popups nested as deep as loading accepts

// Raw templates (type 4), well formed and damaged.
#define IDM_RAW_GOOD 650
#define IDM_RAW_HEADER_PAST_END 651
#define IDM_RAW_TRUNCATED_TEXT 652
#define IDM_RAW_MISSING_END 653
#define IDM_RAW_UNCLOSED 654
#define IDM_RAW_TRUNCATED_ID 655
#define IDM_RAW_EMPTY 656

#define IDM_MISSING 699  // no such resource

#define ID_OPEN 601
#define ID_SAVE 602
#define ID_NEW 611
#define ID_RECENT_ONE 612
#define ID_RECENT_TWO 613
#define ID_EXIT 614
#define ID_LEAF 615
#define ID_HELP 616
#define ID_ZOOM 621
#define ID_FULL_SCREEN 622
#define ID_ACCEL_NEW 631
#define ID_ACCEL_SAVE_AS 632
#define ID_ACCEL_PROPERTIES 633
#define ID_ACCEL_CUT 634
#define ID_ACCEL_PASTE_SPECIAL 635
#define ID_DEEP_LEAF 642
