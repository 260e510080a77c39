/* Resource identifiers of Veskel, shared by the resource script and the code. */
#ifndef VESKEL_RES_RESOURCE_H
#define VESKEL_RES_RESOURCE_H

/* Dialog template of the main window. */
#define IDD_VESKEL_DIALOG 102

/* Tool icon (icon group) and the banner picture. */
#define IDI_VESKEL 129
#define IDB_BANNER 135

/* Drive boxes A: to Y: are consecutive; Z: sits apart at 1028. */
#define IDC_DRIVE_A 1000
#define IDC_DRIVE_B 1001
#define IDC_DRIVE_C 1002
#define IDC_DRIVE_D 1003
#define IDC_DRIVE_E 1004
#define IDC_DRIVE_F 1005
#define IDC_DRIVE_G 1006
#define IDC_DRIVE_H 1007
#define IDC_DRIVE_I 1008
#define IDC_DRIVE_J 1009
#define IDC_DRIVE_K 1010
#define IDC_DRIVE_L 1011
#define IDC_DRIVE_M 1012
#define IDC_DRIVE_N 1013
#define IDC_DRIVE_O 1014
#define IDC_DRIVE_P 1015
#define IDC_DRIVE_Q 1016
#define IDC_DRIVE_R 1017
#define IDC_DRIVE_S 1018
#define IDC_DRIVE_T 1019
#define IDC_DRIVE_U 1020
#define IDC_DRIVE_V 1021
#define IDC_DRIVE_W 1022
#define IDC_DRIVE_X 1023
#define IDC_DRIVE_Y 1024
#define IDC_DRIVE_Z 1028

/* Decimal and hexadecimal read-only fields. */
#define IDC_MASK_DECIMAL 1027
#define IDC_MASK_HEX 1030

/* Hidden, disabled Generate button, clicked only by the tool itself. */
#define IDC_GENERATE 1029

/* Controls the code never addresses. */
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif /* VESKEL_RES_RESOURCE_H */
