; main.asm - entry point of the hello example (DOS .exe)

        .model small
        .stack 100h

include dos.inc

        .data
Greeting db 'Hello from Quorlen PRO!', 13, 10, '$'

        .code
        extrn PrintString:proc
Start:
        mov     ax, @data
        mov     ds, ax
        mov     dx, offset Greeting
        call    PrintString
        DosExit 0
        end     Start
