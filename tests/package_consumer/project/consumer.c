/* A program outside the tree, written against the installed package alone. Each row of the
 * table at the end is one check of the class as a program meets it. The exit status is 0
 * when every check held, else the row number of the first that failed (its name goes to
 * stderr; CONSUMER_CHECK=n runs row n alone). Written in C89, so that the header is held to C89 here and to C++98 in
 * consumer.cpp. */
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <stdlib.h>

#include "QuilletButton.h"
#include "consumer_ids.h"

#define W 120
#define H 30

static HINSTANCE instance;
static int clicks, clickedId, postedSeen, postedSeenAtClick, contextMenus;
static HWND contextFrom, commandTo, notifyTo;
static UINT notifySize;
static UINT_PTR notifyId;

static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        ++clicks;
        clickedId = LOWORD(wparam);
        commandTo = hwnd;
        postedSeenAtClick = postedSeen;
      }
      return 0;
    case WM_APP: postedSeen = 1; return 0;
    case WM_CONTEXTMENU:
      ++contextMenus;
      contextFrom = (HWND)wparam;
      return 0;
    case WM_NOTIFY:
      notifySize = ((NMQUILLETBUTTON*)lparam)->cbSize;
      notifyId = ((NMHDR*)lparam)->idFrom;
      notifyTo = hwnd;
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND) ParentProc(dialog, msg, wparam, lparam);
  return msg == WM_INITDIALOG;
}

static void Pump(int ms) {
  DWORD start = GetTickCount();
  MSG m;
  do {
    while (PeekMessageW(&m, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
  } while ((int)(GetTickCount() - start) < ms);
}

/* A shown, active top-level window, or a child window of `parent`. */
static HWND Window(HWND parent) {
  HWND w = CreateWindowExW(0, L"ConsumerParent", L"consumer",
                           parent ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           parent ? 0 : 100, parent ? 0 : 100, 600, 300, parent, NULL, instance, NULL);
  if (w && !parent) {
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    Pump(100);
  }
  return w;
}

static HWND Button(HWND parent, int id, int x) {
  return CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, 10, W, H, parent,
                         (HMENU)(INT_PTR)id, instance, NULL);
}

static void Input(DWORD type, WORD vk, DWORD flags) {
  INPUT in;
  ZeroMemory(&in, sizeof in);
  in.type = type;
  if (type == INPUT_KEYBOARD) {
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyW(vk, 0);
    in.ki.dwFlags = flags;
  } else {
    in.mi.dwFlags = flags;
  }
  SendInput(1, &in, sizeof in);
}

static void Keys(WORD modifier, WORD vk) {
  if (modifier) Input(INPUT_KEYBOARD, modifier, 0);
  Input(INPUT_KEYBOARD, vk, 0);
  Input(INPUT_KEYBOARD, vk, KEYEVENTF_KEYUP);
  if (modifier) Input(INPUT_KEYBOARD, modifier, KEYEVENTF_KEYUP);
  Pump(100);
}

static void PointerAt(HWND w, int x, int y) {
  POINT p;
  p.x = x;
  p.y = y;
  ClientToScreen(w, &p);
  SetCursorPos(p.x, p.y);
  Pump(50);
}

/* The button as WM_PRINTCLIENT draws it, W x H pixels, 0x00RRGGBB. */
static DWORD printed[W * H];
static void Print(HWND button) {
  BITMAPINFO info;
  void* bits = NULL;
  HDC screen = GetDC(NULL), dc = CreateCompatibleDC(screen);
  HBITMAP dib;
  HGDIOBJ old;
  ZeroMemory(&info, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = W;
  info.bmiHeader.biHeight = -H;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  old = SelectObject(dc, dib);
  PatBlt(dc, 0, 0, W, H, BLACKNESS);
  SendMessageW(button, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
  GdiFlush();
  memcpy(printed, bits, sizeof printed);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  ReleaseDC(NULL, screen);
}
static DWORD At(int x, int y) { return printed[y * W + x] & 0xFFFFFF; }
static DWORD Rgb(COLORREF c) { return (DWORD)(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)); }
static int PrintedDiffers(HWND button, const DWORD* before) {
  Print(button);
  return memcmp(before, printed, sizeof printed) != 0;
}

static int UserDataIsTheProgramsOwn(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  int failed;
  SetWindowLongPtrW(b, GWLP_USERDATA, (LONG_PTR)0x5A5A5A5A);
  QuilletButton_SetStyle(b, 3);
  clicks = 0;
  QuilletButton_Click(b);
  UpdateWindow(b);
  failed = QuilletButton_GetStyle(b) != 3 || clicks != 1 || GetWindowLongPtrW(b, GWLP_USERDATA) != 0x5A5A5A5A;
  DestroyWindow(parent);
  return failed;
}

static int FiveHundredButtonsOnOneForm(void) {
  HWND parent = Window(NULL), last = NULL;
  int i, failed;
  for (i = 0; i < 500; ++i) {
    if (!(last = Button(parent, ID_FIRST + i, (i % 4) * W))) break;
  }
  failed = i != 500 || QuilletButton_SetStyle(last, 9) != 1 || QuilletButton_GetStyle(last) != 9;
  DestroyWindow(parent);
  return failed;
}

static DWORD WINAPI ButtonsOfAThread(LPVOID unused) {
  int round, i;
  (void)unused;
  for (round = 0; round < 20; ++round) {
    HWND parent = CreateWindowExW(0, L"ConsumerParent", L"thread", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, NULL, NULL,
                                  instance, NULL);
    HWND b[8];
    if (!parent) return 1;
    for (i = 0; i < 8; ++i) {
      if (!(b[i] = Button(parent, ID_FIRST + i, i * 20))) return 2;
      QuilletButton_SetStyle(b[i], (i + round) % 16);
      PostMessageW(b[i], WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    }
    Pump(5);
    for (i = 0; i < 8; i += 2) DestroyWindow(b[i]);
    Pump(5);
    DestroyWindow(parent);
  }
  return 0;
}

static int FourThreadsMakeAndDestroyButtons(void) {
  HANDLE threads[4];
  DWORD status, failed = 0;
  int i;
  for (i = 0; i < 4; ++i) threads[i] = CreateThread(NULL, 0, ButtonsOfAThread, NULL, 0, NULL);
  while (WaitForMultipleObjects(4, threads, TRUE, 10) == WAIT_TIMEOUT) Pump(0);
  for (i = 0; i < 4; ++i) {
    GetExitCodeThread(threads[i], &status);
    failed |= status;
    CloseHandle(threads[i]);
  }
  return (int)failed;
}

/* A release without a press on the button (a drag from elsewhere) is no click. */
static int OnlyAPressBegunOnTheButtonClicks(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  int dragged, pressed, focused;
  clicks = 0;
  PointerAt(parent, 300, 150);
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_LEFTDOWN);
  Pump(50);
  PointerAt(parent, 50, 20);
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_LEFTUP);
  Pump(100);
  dragged = clicks;
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_LEFTDOWN);
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_LEFTUP);
  Pump(100);
  pressed = clicks;
  focused = GetFocus() == b;
  DestroyWindow(parent);
  return dragged != 0 || pressed != 1 || !focused;
}

/* Held keys: a press with its repeats clicks once; the capture goes with the key. */
static int HeldSpaceAndEnterClickOnceAndFreeTheCapture(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  int i, failed = 0;
  const LPARAM repeat = 1 << 30;
  SetFocus(b);
  QuilletButton_SetCheckBoxMode(b, TRUE);
  clicks = 0;
  SendMessageW(b, WM_KEYUP, VK_SPACE, 0); /* its press went elsewhere */
  failed |= clicks != 0;
  SendMessageW(b, WM_KEYDOWN, VK_SPACE, 0);
  for (i = 0; i < 3; ++i) SendMessageW(b, WM_KEYDOWN, VK_SPACE, repeat);
  failed |= GetCapture() != b;
  SendMessageW(b, WM_KEYUP, VK_SPACE, 0);
  failed |= clicks != 1 || QuilletButton_GetCheck(b) != BST_CHECKED || GetCapture() != NULL;
  SendMessageW(b, WM_KEYDOWN, VK_RETURN, 0);
  for (i = 0; i < 3; ++i) SendMessageW(b, WM_KEYDOWN, VK_RETURN, repeat);
  failed |= clicks != 2;
  /* Space down, then the focus goes: the capture goes too, and the release clicks nothing. */
  SendMessageW(b, WM_KEYDOWN, VK_SPACE, 0);
  SetFocus(parent);
  SendMessageW(b, WM_KEYUP, VK_SPACE, 0);
  failed |= GetCapture() != NULL || clicks != 2;
  DestroyWindow(parent);
  return failed;
}

/* The arrows move the focus to the next or previous tab stop, and only without Ctrl or Alt;
 * no keystroke is left in the input for whatever has the focus next. */
static int ArrowsMoveTheFocusWithoutKeystrokes(void) {
  HWND parent = Window(NULL), b[3];
  MSG m;
  int i, failed = 0;
  for (i = 0; i < 3; ++i) b[i] = Button(parent, ID_FIRST + i, 10 + i * (W + 10));
  SetFocus(b[1]);
  Keys(0, VK_RIGHT);
  failed |= GetFocus() != b[2];
  Keys(VK_SHIFT, VK_UP);
  failed |= GetFocus() != b[1];
  Keys(VK_CONTROL, VK_DOWN);
  Keys(VK_MENU, VK_LEFT);
  failed |= GetFocus() != b[1];
  failed |= PeekMessageW(&m, NULL, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE);
  DestroyWindow(parent);
  return failed;
}

/* BM_CLICK clicks before a message posted earlier is handled. */
static int ClickMessageRunsNoOtherMessage(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  int failed;
  Pump(20);
  postedSeen = 0;
  clicks = 0;
  PostMessageW(parent, WM_APP, 0, 0);
  QuilletButton_Click(b);
  failed = clicks != 1 || postedSeenAtClick;
  DestroyWindow(parent);
  return failed;
}

/* In a dialog, a check box never takes OK's default frame: Enter on it presses OK. */
static int CheckBoxInADialogLeavesEnterToOk(void) {
  HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_CONSUMER), NULL, DialogProc, 0);
  HWND check = GetDlgItem(dialog, ID_CHECK);
  MSG m;
  DWORD start = GetTickCount();
  int failed;
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  QuilletButton_SetCheckBoxMode(check, TRUE);
  SendMessageW(dialog, WM_NEXTDLGCTL, (WPARAM)check, TRUE);
  clicks = 0;
  Input(INPUT_KEYBOARD, VK_RETURN, 0);
  Input(INPUT_KEYBOARD, VK_RETURN, KEYEVENTF_KEYUP);
  while ((int)(GetTickCount() - start) < 300) {
    while (PeekMessageW(&m, NULL, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageW(dialog, &m)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
      }
    }
    MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
  }
  failed = clicks != 1 || clickedId != IDOK || QuilletButton_GetCheck(check) != BST_UNCHECKED ||
           (GetWindowLongW(GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F) != BS_DEFPUSHBUTTON;
  DestroyWindow(dialog);
  return failed;
}

/* The face follows a change of the system's colours, and high contrast draws a fixed skin in
 * the system's colours. WM_PRINTCLIENT shows it. */
static int SystemColoursAndHighContrastRepaint(void) {
  HWND parent = Window(NULL), edge = Button(parent, ID_FIRST, 10), skin = Button(parent, ID_FIRST + 1, 200);
  int face = COLOR_BTNFACE, failed = 0;
  COLORREF saved = GetSysColor(COLOR_BTNFACE), changed = RGB(10, 120, 30);
  HIGHCONTRASTW contrast;
  SetWindowTextW(edge, L"");
  SetWindowTextW(skin, L"");
  QuilletButton_SetStyle(skin, 7);
  Print(edge);
  failed |= At(W / 2, H / 2) != Rgb(saved);
  SetSysColors(1, &face, &changed);
  Pump(100);
  Print(edge);
  failed |= At(W / 2, H / 2) != Rgb(changed);
  SetSysColors(1, &face, &saved);
  Print(skin);
  failed |= At(W / 2, H / 2) == Rgb(saved);
  ZeroMemory(&contrast, sizeof contrast);
  contrast.cbSize = sizeof contrast;
  contrast.dwFlags = HCF_HIGHCONTRASTON;
  SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
  SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
  if (contrast.dwFlags & HCF_HIGHCONTRASTON) {
    Pump(100);
    Print(skin);
    failed |= At(W / 2, H / 2) != Rgb(GetSysColor(COLOR_BTNFACE)) || At(0, H / 2) != Rgb(GetSysColor(COLOR_BTNTEXT));
    contrast.dwFlags = 0;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
  } else {
    fputs("note: the system cannot turn high contrast on (Wine); that part is not checked here\n", stderr);
  }
  DestroyWindow(parent);
  return failed;
}

/* A right click and the context-menu key reach the parent as WM_CONTEXTMENU. */
static int ContextMenuReachesTheParent(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  int failed;
  contextMenus = 0;
  PointerAt(b, 20, 10);
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_RIGHTDOWN);
  Input(INPUT_MOUSE, 0, MOUSEEVENTF_RIGHTUP);
  Pump(100);
  failed = contextMenus != 1 || contextFrom != b;
  SetFocus(b);
  Keys(VK_SHIFT, VK_F10);
  failed |= contextMenus != 2;
  DestroyWindow(parent);
  return failed;
}

/* The focus look shows as the focus comes, and hides while the program hides focus cues. */
static int FocusLookOnSetFocusAndKeyboardCues(void) {
  HWND parent = Window(NULL), b = Button(parent, ID_FIRST, 10);
  DWORD unfocused[W * H], focused[W * H];
  int failed;
  QuilletButton_SetStyle(b, 0); /* a dotted focus rectangle */
  SetFocus(parent);
  Print(b);
  memcpy(unfocused, printed, sizeof printed);
  SetFocus(b);
  failed = !PrintedDiffers(b, unfocused);
  memcpy(focused, printed, sizeof printed);
  SendMessageW(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  failed |= (SendMessageW(b, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0 || !PrintedDiffers(b, focused);
  SendMessageW(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  failed |= PrintedDiffers(b, focused);
  /* NMQUILLETBUTTON says its size. */
  notifySize = 0;
  SendMessageW(b, WM_KEYDOWN, 'A', 0);
  failed |= notifySize != sizeof(NMQUILLETBUTTON);
  DestroyWindow(parent);
  return failed;
}

/* A font given by WM_SETFONT keeps its size on a monitor of another scale. */
static int GivenFontIsNotScaledAgain(void) {
  HWND parent = Window(NULL), given = Button(parent, ID_FIRST, 10), own = Button(parent, ID_FIRST + 1, 200);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  DWORD before[W * H];
  int failed;
  SendMessageW(given, WM_SETFONT, (WPARAM)font, TRUE);
  Print(given);
  memcpy(before, printed, sizeof printed);
  SendMessageW(given, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192), 0);
  failed = PrintedDiffers(given, before);
  Print(own);
  memcpy(before, printed, sizeof printed);
  SendMessageW(own, 0x02E0, MAKEWPARAM(192, 192), 0);
  failed |= !PrintedDiffers(own, before);
  DestroyWindow(parent);
  DeleteObject(font);
  return failed;
}

/* Activation is followed through a child-window parent (a panel): the default button of an
 * inactive window draws no default frame. */
static int ActivationReachesAButtonOnAPanel(void) {
  HWND top = Window(NULL), panel = Window(top), other, b;
  DWORD inactive[W * H];
  int failed;
  b = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 10, W, H, panel,
                      (HMENU)(INT_PTR)ID_FIRST, instance, NULL);
  QuilletButton_SetStyle(b, 2);
  other = Window(NULL);
  Print(b);
  memcpy(inactive, printed, sizeof printed);
  SetForegroundWindow(top);
  Pump(100);
  failed = GetActiveWindow() != top || !PrintedDiffers(b, inactive);
  DestroyWindow(other);
  DestroyWindow(top);
  return failed;
}

/* A button moved to another window (SetParent) and renumbered (GWLP_ID) tells that window,
 * under its new id, as the system's button does; the arrows move among its new siblings. */
static int NotificationsFollowTheParentAndIdOfNow(void) {
  HWND first = Window(NULL), second = Window(NULL), b = Button(first, ID_FIRST, 10);
  HWND sibling = Button(second, ID_FIRST + 1, 200);
  int failed;
  SetParent(b, second);
  SetWindowLongPtrW(b, GWLP_ID, ID_FIRST + 2);
  clicks = 0;
  commandTo = notifyTo = NULL;
  QuilletButton_Click(b);
  SendMessageW(b, WM_KEYDOWN, 'A', 0);
  failed = clicks != 1 || commandTo != second || clickedId != ID_FIRST + 2;
  failed |= notifyTo != second || notifyId != ID_FIRST + 2;
  SetFocus(b);
  SendMessageW(b, WM_KEYDOWN, VK_RIGHT, 0);
  failed |= GetFocus() != sibling;
  DestroyWindow(first);
  QuilletButton_Click(b); /* its first parent is gone: the second still hears it */
  failed |= clicks != 2;
  DestroyWindow(second);
  return failed;
}

/* A default button made on a hidden parking window and moved onto the form (SetParent)
 * follows the form's activation from then on: it looks as one made on the form. */
static int AButtonMovedOntoAFormFollowsItsActivation(void) {
  HWND parking = CreateWindowExW(0, L"ConsumerParent", L"parking", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, NULL, NULL,
                                 instance, NULL);
  HWND moved = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 10, W, H,
                               parking, (HMENU)(INT_PTR)ID_FIRST, instance, NULL);
  HWND form = Window(NULL), made, other;
  DWORD look[W * H];
  int failed;
  made = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 200, 10, W, H, form,
                         (HMENU)(INT_PTR)(ID_FIRST + 1), instance, NULL);
  QuilletButton_SetStyle(moved, 2);
  QuilletButton_SetStyle(made, 2);
  SetCursorPos(0, 0);
  SetParent(moved, form);
  other = Window(NULL);
  Print(made);
  memcpy(look, printed, sizeof printed);
  failed = PrintedDiffers(moved, look);
  SetForegroundWindow(form);
  Pump(100);
  Print(made);
  memcpy(look, printed, sizeof printed);
  failed |= GetActiveWindow() != form || PrintedDiffers(moved, look);
  DestroyWindow(other);
  DestroyWindow(form);
  DestroyWindow(parking);
  return failed;
}

/* The messages of the header, as before. */
static int MessagesAnswerAsTheHeaderSays(void) {
  HWND parent = Window(NULL), b = Button(parent, 7, 10);
  WCHAR text[256];
  int failed;
  QuilletButton_SetStyle(b, 5);
  failed = QuilletButton_GetStyle(b) != 5 || QuilletButton_SetStyle(b, 16) != -1;
  QuilletButton_SetBackColor(b, RGB(1, 2, 3));
  failed |= QuilletButton_GetBackColor(b) != RGB(1, 2, 3);
  QuilletButton_SetCheckBoxMode(b, TRUE);
  clicks = 0;
  QuilletButton_Click(b);
  failed |= clicks != 1 || QuilletButton_GetCheck(b) != BST_CHECKED;
  failed |= SendMessageW(b, WM_GETDLGCODE, 0, 0) != (DLGC_WANTARROWS | DLGC_BUTTON);
  QuilletButton_SetCheckBoxMode(b, FALSE);
  failed |= SendMessageW(b, WM_GETDLGCODE, 0, 0) != (DLGC_WANTARROWS | DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  failed |= QuilletButton_SaveText(b, text, 256) <= 0 || !QuilletButton_LoadText(b, text);
  GetWindowTextW(b, text, 256);
  failed |= lstrcmpW(text, L"&Go") != 0;
  DestroyWindow(parent);
  return failed;
}

static const struct {
  const char* name;
  int (*run)(void);
} checks[] = {
    {"messages answer as the header says", MessagesAnswerAsTheHeaderSays},
    {"GWLP_USERDATA is the program's own", UserDataIsTheProgramsOwn},
    {"500 buttons on one form", FiveHundredButtonsOnOneForm},
    {"four threads make and destroy buttons", FourThreadsMakeAndDestroyButtons},
    {"only a press begun on the button clicks", OnlyAPressBegunOnTheButtonClicks},
    {"held Space and Enter click once and free the capture", HeldSpaceAndEnterClickOnceAndFreeTheCapture},
    {"arrows move the focus without keystrokes", ArrowsMoveTheFocusWithoutKeystrokes},
    {"BM_CLICK runs no other message", ClickMessageRunsNoOtherMessage},
    {"a check box in a dialog leaves Enter to OK", CheckBoxInADialogLeavesEnterToOk},
    {"system colours and high contrast repaint", SystemColoursAndHighContrastRepaint},
    {"WM_CONTEXTMENU reaches the parent", ContextMenuReachesTheParent},
    {"focus look on WM_SETFOCUS, keyboard cues, notification size", FocusLookOnSetFocusAndKeyboardCues},
    {"a font from WM_SETFONT is not scaled again", GivenFontIsNotScaledAgain},
    {"activation reaches a button on a panel", ActivationReachesAButtonOnAPanel},
    {"notifications follow the parent and id of now", NotificationsFollowTheParentAndIdOfNow},
    {"a button moved onto a form follows its activation", AButtonMovedOntoAFormFollowsItsActivation},
};

int main(void) {
  WNDCLASSW wc;
  unsigned i;
  const char* only = getenv("CONSUMER_CHECK"); /* one row, by its number */
  instance = GetModuleHandleW(NULL);
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = instance;
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"ConsumerParent";
  if (!RegisterClassW(&wc)) return 100;
  if (!QuilletButton_Register(instance) || QuilletButton_Register(instance) != QuilletButton_Register(NULL)) return 101;
  for (i = 0; i < sizeof checks / sizeof checks[0]; ++i) {
    if (only && atoi(only) != (int)i + 1) continue;
    if (checks[i].run() != 0) {
      fprintf(stderr, "check %u failed: %s\n", i + 1, checks[i].name);
      return (int)i + 1;
    }
  }
  return 0;
}
