; main.asm - a Win32 program whose window is designed with the form
; designer. Open the project, run the designer, move or add controls and
; close the designed window: window1.def, appvar.inc and wmcreate.inc are
; written again, and the next build shows the new window.

        .386
        .model flat, stdcall
        locals
        jumps

include quorwin.inc
include window1.def

        extrn   GetModuleHandleA:PROC
        extrn   RegisterClassA:PROC
        extrn   ShowWindow:PROC
        extrn   UpdateWindow:PROC
        extrn   GetMessageA:PROC
        extrn   TranslateMessage:PROC
        extrn   DispatchMessageA:PROC
        extrn   DefWindowProcA:PROC
        extrn   PostQuitMessage:PROC
        extrn   ExitProcess:PROC

WM_CREATE       equ     0001h
WM_DESTROY      equ     0002h
SW_SHOWNORMAL   equ     1

        .data
include appvar.inc

        .code
Start:
        push    0
        call    GetModuleHandleA
        mov     [ApplicationInstance],eax
        InitApplicationClassA
        SetClassBackgroundA MainWindowClassA Window1Color
        push    offset MainWindowClassA
        call    RegisterClassA
        InitMainWindowA
        CreateWndExA MainWindowStructure MainWndHandle
        push    SW_SHOWNORMAL
        push    [MainWndHandle]
        call    ShowWindow
        push    [MainWndHandle]
        call    UpdateWindow
MessageLoop:
        push    0
        push    0
        push    0
        push    offset MainWindowMessage
        call    GetMessageA
        or      eax,eax
        jz      Finished
        push    offset MainWindowMessage
        call    TranslateMessage
        push    offset MainWindowMessage
        call    DispatchMessageA
        jmp     MessageLoop
Finished:
        push    [MainWindowMessage.MsgWParam]
        call    ExitProcess

; The main window: its controls are made when it is created.
MainWindowProc proc uses ebx esi edi, Wnd:DWORD, Msg:DWORD, WParam:DWORD, LParam:DWORD
        cmp     [Msg],WM_CREATE
        je      @@Create
        cmp     [Msg],WM_DESTROY
        je      @@Destroy
        push    [LParam]
        push    [WParam]
        push    [Msg]
        push    [Wnd]
        call    DefWindowProcA
        ret
@@Create:
        mov     eax,[Wnd]
        mov     [MainWndHandle],eax
include wmcreate.inc
        xor     eax,eax
        ret
@@Destroy:
        push    0
        call    PostQuitMessage
        xor     eax,eax
        ret
MainWindowProc endp

        end     Start
