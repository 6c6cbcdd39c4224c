// The window types the contract and utf8api's header take from <windows.h>,
// for clang in the Microsoft ABI mode, which has no Windows headers here:
// the system's names with the system's sizes (DWORD is 32 bits, pointer-sized
// integers follow the target).
#pragma once

#include <stdint.h>

typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef unsigned int UINT;
typedef unsigned long DWORD;
typedef int BOOL;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef intptr_t INT_PTR;

#define WINAPI __stdcall
#define CALLBACK __stdcall
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
