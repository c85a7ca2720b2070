#pragma once
// Resource and control identifiers of wendral.exe (shared with wendral.rc).
#define IDI_WENDRAL 1
#define IDR_BANNER 101

#define IDC_NETWORK_NAME 201
#define IDC_APPLY_BUTTON 202
#define IDC_MODE_FRAME 203
#define IDC_WINDOWS7_OPTION 204
#define IDC_WINDOWSXP_OPTION 205
#define IDC_CAFE_OPTION 206
#define IDC_NOTICE_TEXT 211
#define IDC_NOTICE_NEXT 212
