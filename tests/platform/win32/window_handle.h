// The Windows API's window handle by name only, declared as windows.h declares it: the headers
// of the dialog test tools need the name, not the whole Windows API (their users and their own
// .cpp files include windows.h).
#ifndef ORV_TESTS_PLATFORM_WIN32_WINDOW_HANDLE_H
#define ORV_TESTS_PLATFORM_WIN32_WINDOW_HANDLE_H

struct HWND__;
typedef struct HWND__* HWND;

#endif  // ORV_TESTS_PLATFORM_WIN32_WINDOW_HANDLE_H
