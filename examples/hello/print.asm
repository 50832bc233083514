; print.asm - prints a '$'-terminated string

        .model small

include dos.inc

        .code
        public PrintString
; in: ds:dx -> string ending in '$'
PrintString proc
        push    ax
        mov     ah, DOS_PRINT
        int     21h
        pop     ax
        ret
PrintString endp
        end
