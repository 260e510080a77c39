#pragma once

// Resource and control ids of the drop-down demo.
#define IDD_DEMO_DIALOG 100
#define IDR_DEMO_MENU 200

#define IDC_TOOLS 1001
#define IDC_LAST_COMMAND 1002

// Commands of the demo menu.
#define ID_DEMO_NEW 40001
#define ID_DEMO_OPEN 40002
#define ID_DEMO_SAVE 40003
#define ID_DEMO_PRINT 40004
#define ID_DEMO_STATUS_BAR 40005
#define ID_DEMO_EXIT 40006
#define ID_DEMO_FIRST ID_DEMO_NEW
#define ID_DEMO_LAST ID_DEMO_EXIT
