#pragma once
// Resource and control identifiers of wendral.exe (shared with wendral.rc).
#define IDI_WENDRAL 1
#define IDR_BANNER 101

#define IDC_TEXT1 201
#define IDC_QUILLETBUTTON1 202
#define IDC_FRAME1 203
#define IDC_OPTION1 204
#define IDC_OPTION2 205
#define IDC_OPTION3 206
#define IDC_NOTICE_LABEL1 211
#define IDC_COMMAND1 212
