/* QuilletButton.h: the QuilletButton window class, for C and C++ Windows programs.
 *
 * Register once, then create buttons like any system control:
 *
 *   QuilletButton_Register(hInstance);
 *   HWND ok = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&OK",
 *                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
 *                             10, 10, 100, 30, parent, (HMENU)IDOK, hInstance, NULL);
 *   QuilletButton_SetStyle(ok, 2);
 *
 * or from a dialog template:
 *
 *   CONTROL "&OK", IDOK, "QuilletButton", WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 10, 60, 16
 *
 * The window text is the caption ('&' marks the access key). The parent receives
 * WM_COMMAND/BN_CLICKED on a click, and WM_NOTIFY (QBN_*, NMQUILLETBUTTON) for the
 * pointer, press and key events. The control answers WM_GETDLGCODE as a push button, so
 * IsDialogMessage moves its default frame (BS_DEFPUSHBUTTON), presses the default
 * button on Enter and clicks it through its access key; in check-box mode it answers as a
 * check box, which never takes the default frame.
 *
 * Threads: any thread may register the class and make buttons; each button belongs to the
 * thread that made it, like its window. There is no limit on the number of buttons.
 *
 * Link with the library: find_package(QuilletButton CONFIG) and QuilletButton::QuilletButton,
 * or libQuilletButton.a with user32 and gdi32, linked -static (it holds C++ code: the C++
 * runtime comes into the program, and no MinGW DLL is needed beside it).
 * Or use QuilletButton.dll: define QUILLETBUTTON_DLL before including this header and link
 * QuilletButton.lib (Visual C++) or libQuilletButton.dll.a (MinGW); QuilletButton::Shared
 * does both. The DLL owns the class it registers: destroy the buttons and call
 * QuilletButton_Unregister before unloading it.
 */
#ifndef QUILLETBUTTON_H
#define QUILLETBUTTON_H

#include <windows.h>

#define QUILLETBUTTON_CLASSW L"QuilletButton"
#define QUILLETBUTTON_CLASSA "QuilletButton"
#ifdef UNICODE
#define QUILLETBUTTON_CLASS QUILLETBUTTON_CLASSW
#else
#define QUILLETBUTTON_CLASS QUILLETBUTTON_CLASSA
#endif

/* 0x00MMmmpp: major, minor, patch. */
#define QUILLETBUTTON_VERSION 0x010500

/* Resource scripts see the names and numbers only. */
#ifndef RC_INVOKED
#ifdef __cplusplus
extern "C" {
#endif

#ifdef QUILLETBUTTON_DLL
#define QUILLETBUTTON_API __declspec(dllimport)
#else
#define QUILLETBUTTON_API
#endif

/* Registers the window class (CS_GLOBALCLASS, so dialogs of any module in the process
 * find it) and answers its atom; 0 on failure. Calling it again answers the same atom.
 * The DLL registers it for its own module, whatever `instance` says. */
QUILLETBUTTON_API ATOM WINAPI QuilletButton_Register(HINSTANCE instance);

/* Unregisters the class registered for `instance` (the DLL: for itself); FALSE while
 * buttons of the class exist, as UnregisterClass. */
QUILLETBUTTON_API BOOL WINAPI QuilletButton_Unregister(HINSTANCE instance);

/* The library's version as QUILLETBUTTON_VERSION encodes it: a program can tell an older
 * DLL than the header it was built with. */
QUILLETBUTTON_API DWORD WINAPI QuilletButton_GetVersion(void);

#ifdef __cplusplus
}
#endif
#endif /* RC_INVOKED */

/* Messages, besides the system's: WM_SETTEXT/WM_GETTEXT (caption), WM_SETFONT/
 * WM_GETFONT, WM_ENABLE, BM_CLICK, BM_GETCHECK/BM_SETCHECK (check-box mode),
 * BM_GETSTATE and BM_SETSTYLE (BS_PUSHBUTTON or BS_DEFPUSHBUTTON).
 * Each SET answers the previous value (the image ones TRUE, or FALSE when the picture
 * cannot be read; a value out of range answers -1 and changes nothing); each GET answers
 * the current one. */
#define QBM_FIRST (WM_USER + 0x0400)
#define QBM_SETSTYLE (QBM_FIRST + 0)          /* wParam: look 0..15; others refused (-1) */
#define QBM_GETSTYLE (QBM_FIRST + 1)
#define QBM_SETBACKCOLOR (QBM_FIRST + 2)      /* wParam: COLORREF, or 0x80000000 | COLOR_* */
#define QBM_GETBACKCOLOR (QBM_FIRST + 3)
#define QBM_SETFORECOLOR (QBM_FIRST + 4)
#define QBM_GETFORECOLOR (QBM_FIRST + 5)
#define QBM_SETMASKCOLOR (QBM_FIRST + 6)      /* the pictures' transparent colour */
#define QBM_GETMASKCOLOR (QBM_FIRST + 7)
#define QBM_SETUSEMASKCOLOR (QBM_FIRST + 8)   /* wParam: BOOL */
#define QBM_GETUSEMASKCOLOR (QBM_FIRST + 9)
#define QBM_SETIMAGE (QBM_FIRST + 10)         /* wParam: IMAGE_BITMAP or IMAGE_ICON, lParam: handle or NULL */
#define QBM_GETIMAGE (QBM_FIRST + 11)         /* wParam: the type wanted; NULL when the picture is of the other */
#define QBM_SETHOVERIMAGE (QBM_FIRST + 12)    /* the picture shown while the pointer is over the button */
#define QBM_GETHOVERIMAGE (QBM_FIRST + 13)
#define QBM_SETCAPTIONALIGN (QBM_FIRST + 14)  /* wParam: QBCA_* */
#define QBM_GETCAPTIONALIGN (QBM_FIRST + 15)
#define QBM_SETPICTUREALIGN (QBM_FIRST + 16)  /* wParam: QBPA_* */
#define QBM_GETPICTUREALIGN (QBM_FIRST + 17)
#define QBM_SETPICTURESIZE (QBM_FIRST + 18)   /* wParam: QBPS_* */
#define QBM_GETPICTURESIZE (QBM_FIRST + 19)
#define QBM_SETCHECKBOXMODE (QBM_FIRST + 20)  /* wParam: BOOL; the button keeps its pressed state */
#define QBM_GETCHECKBOXMODE (QBM_FIRST + 21)
#define QBM_SETFOCUSRECT (QBM_FIRST + 22)     /* wParam: BOOL, a dotted rectangle with the focus */
#define QBM_GETFOCUSRECT (QBM_FIRST + 23)
#define QBM_SETHANDPOINTER (QBM_FIRST + 24)   /* wParam: BOOL, the hand pointer over the button */
#define QBM_GETHANDPOINTER (QBM_FIRST + 25)
/* The whole property set as text, for a host's own settings. SAVE: wParam = buffer size
 * in WCHARs, lParam = WCHAR buffer (or NULL); answers the text's length without the
 * terminating zero, whether or not it fitted. LOAD: lParam = the zero-terminated text;
 * answers TRUE, or FALSE (nothing changed) when the text is not one SAVE wrote. */
#define QBM_SAVETEXT (QBM_FIRST + 26)
#define QBM_LOADTEXT (QBM_FIRST + 27)
#define QBM_LAST QBM_LOADTEXT

#define QBCA_LEFT 0
#define QBCA_CENTER 1
#define QBCA_RIGHT 2

#define QBPA_LEFTEDGE 0
#define QBPA_LEFTOFCAPTION 1
#define QBPA_RIGHTEDGE 2
#define QBPA_RIGHTOFCAPTION 3
#define QBPA_CENTER 4
#define QBPA_TOPEDGE 5
#define QBPA_TOPOFCAPTION 6
#define QBPA_BOTTOMEDGE 7
#define QBPA_BOTTOMOFCAPTION 8

#define QBPS_NATURAL 0
#define QBPS_16 1
#define QBPS_24 2
#define QBPS_32 3

/* WM_NOTIFY codes; lParam points to an NMQUILLETBUTTON. */
#define QBN_FIRST (0U - 3200U)
#define QBN_DBLCLK (QBN_FIRST - 0)
#define QBN_MOUSEENTER (QBN_FIRST - 1)
#define QBN_MOUSELEAVE (QBN_FIRST - 2)
#define QBN_MOUSEMOVE (QBN_FIRST - 3)
#define QBN_MOUSEUP (QBN_FIRST - 4)
#define QBN_MOUSEDOWN (QBN_FIRST - 5)
#define QBN_KEYDOWN (QBN_FIRST - 6)
#define QBN_KEYUP (QBN_FIRST - 7)

/* Mouse buttons and shift states in NMQUILLETBUTTON. */
#define QBB_LEFT 1
#define QBB_RIGHT 2
#define QBB_MIDDLE 4
#define QBK_SHIFT 1
#define QBK_CONTROL 2
#define QBK_ALT 4

#ifndef RC_INVOKED
#ifdef __cplusplus
extern "C" {
#endif

typedef struct tagNMQUILLETBUTTON {
  NMHDR hdr;
  UINT cbSize; /* sizeof(NMQUILLETBUTTON) of the control that sent it: later versions may add
                  fields at the end, read them only when cbSize covers them */
  int button; /* QBB_* (mouse codes) */
  int shift;  /* QBK_* */
  int x;      /* client pixels (mouse codes) */
  int y;
  int key;    /* virtual-key code (key codes) */
} NMQUILLETBUTTON, *LPNMQUILLETBUTTON;

/* windowsx.h-style helpers: each sends one message and answers what it answers. */
#define QUILLETBUTTON_INLINE static __inline
#define QB_SEND_(hwnd, msg, w, l) SendMessageW((hwnd), (msg), (WPARAM)(w), (LPARAM)(l))
QUILLETBUTTON_INLINE int QuilletButton_SetStyle(HWND hwnd, int style) { return (int)QB_SEND_(hwnd, QBM_SETSTYLE, style, 0); }
QUILLETBUTTON_INLINE int QuilletButton_GetStyle(HWND hwnd) { return (int)QB_SEND_(hwnd, QBM_GETSTYLE, 0, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_SetBackColor(HWND hwnd, COLORREF cr) { return (COLORREF)QB_SEND_(hwnd, QBM_SETBACKCOLOR, cr, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_GetBackColor(HWND hwnd) { return (COLORREF)QB_SEND_(hwnd, QBM_GETBACKCOLOR, 0, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_SetForeColor(HWND hwnd, COLORREF cr) { return (COLORREF)QB_SEND_(hwnd, QBM_SETFORECOLOR, cr, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_GetForeColor(HWND hwnd) { return (COLORREF)QB_SEND_(hwnd, QBM_GETFORECOLOR, 0, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_SetMaskColor(HWND hwnd, COLORREF cr) { return (COLORREF)QB_SEND_(hwnd, QBM_SETMASKCOLOR, cr, 0); }
QUILLETBUTTON_INLINE COLORREF QuilletButton_GetMaskColor(HWND hwnd) { return (COLORREF)QB_SEND_(hwnd, QBM_GETMASKCOLOR, 0, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetUseMaskColor(HWND hwnd, BOOL on) { return (BOOL)QB_SEND_(hwnd, QBM_SETUSEMASKCOLOR, on, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_GetUseMaskColor(HWND hwnd) { return (BOOL)QB_SEND_(hwnd, QBM_GETUSEMASKCOLOR, 0, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetBitmap(HWND hwnd, HBITMAP bitmap) { return (BOOL)QB_SEND_(hwnd, QBM_SETIMAGE, IMAGE_BITMAP, bitmap); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetIcon(HWND hwnd, HICON icon) { return (BOOL)QB_SEND_(hwnd, QBM_SETIMAGE, IMAGE_ICON, icon); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetHoverBitmap(HWND hwnd, HBITMAP bitmap) { return (BOOL)QB_SEND_(hwnd, QBM_SETHOVERIMAGE, IMAGE_BITMAP, bitmap); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetHoverIcon(HWND hwnd, HICON icon) { return (BOOL)QB_SEND_(hwnd, QBM_SETHOVERIMAGE, IMAGE_ICON, icon); }
QUILLETBUTTON_INLINE HANDLE QuilletButton_GetImage(HWND hwnd, UINT type) { return (HANDLE)QB_SEND_(hwnd, QBM_GETIMAGE, type, 0); }
QUILLETBUTTON_INLINE HANDLE QuilletButton_GetHoverImage(HWND hwnd, UINT type) { return (HANDLE)QB_SEND_(hwnd, QBM_GETHOVERIMAGE, type, 0); }
QUILLETBUTTON_INLINE int QuilletButton_SetCaptionAlign(HWND hwnd, int align) { return (int)QB_SEND_(hwnd, QBM_SETCAPTIONALIGN, align, 0); }
QUILLETBUTTON_INLINE int QuilletButton_GetCaptionAlign(HWND hwnd) { return (int)QB_SEND_(hwnd, QBM_GETCAPTIONALIGN, 0, 0); }
QUILLETBUTTON_INLINE int QuilletButton_SetPictureAlign(HWND hwnd, int align) { return (int)QB_SEND_(hwnd, QBM_SETPICTUREALIGN, align, 0); }
QUILLETBUTTON_INLINE int QuilletButton_GetPictureAlign(HWND hwnd) { return (int)QB_SEND_(hwnd, QBM_GETPICTUREALIGN, 0, 0); }
QUILLETBUTTON_INLINE int QuilletButton_SetPictureSize(HWND hwnd, int size) { return (int)QB_SEND_(hwnd, QBM_SETPICTURESIZE, size, 0); }
QUILLETBUTTON_INLINE int QuilletButton_GetPictureSize(HWND hwnd) { return (int)QB_SEND_(hwnd, QBM_GETPICTURESIZE, 0, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetCheckBoxMode(HWND hwnd, BOOL on) { return (BOOL)QB_SEND_(hwnd, QBM_SETCHECKBOXMODE, on, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_GetCheckBoxMode(HWND hwnd) { return (BOOL)QB_SEND_(hwnd, QBM_GETCHECKBOXMODE, 0, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetFocusRect(HWND hwnd, BOOL on) { return (BOOL)QB_SEND_(hwnd, QBM_SETFOCUSRECT, on, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_GetFocusRect(HWND hwnd) { return (BOOL)QB_SEND_(hwnd, QBM_GETFOCUSRECT, 0, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_SetHandPointer(HWND hwnd, BOOL on) { return (BOOL)QB_SEND_(hwnd, QBM_SETHANDPOINTER, on, 0); }
QUILLETBUTTON_INLINE BOOL QuilletButton_GetHandPointer(HWND hwnd) { return (BOOL)QB_SEND_(hwnd, QBM_GETHANDPOINTER, 0, 0); }
QUILLETBUTTON_INLINE int QuilletButton_SaveText(HWND hwnd, LPWSTR buffer, int size) { return (int)QB_SEND_(hwnd, QBM_SAVETEXT, size, buffer); }
QUILLETBUTTON_INLINE BOOL QuilletButton_LoadText(HWND hwnd, LPCWSTR text) { return (BOOL)QB_SEND_(hwnd, QBM_LOADTEXT, 0, text); }
QUILLETBUTTON_INLINE int QuilletButton_GetCheck(HWND hwnd) { return (int)QB_SEND_(hwnd, BM_GETCHECK, 0, 0); }
QUILLETBUTTON_INLINE void QuilletButton_SetCheck(HWND hwnd, int check) { QB_SEND_(hwnd, BM_SETCHECK, check, 0); }
QUILLETBUTTON_INLINE void QuilletButton_Click(HWND hwnd) { QB_SEND_(hwnd, BM_CLICK, 0, 0); }

#ifdef __cplusplus
}
#endif
#endif /* RC_INVOKED */

#endif /* QUILLETBUTTON_H */
