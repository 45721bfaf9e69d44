BCD arithmetic
--------------
Packed BCD keeps four decimal digits in a word (1234 decimal is 0x1234).
ABCD adds with the carry as carry in, SBCD subtracts; CLC clears the carry
first. PRINTBCD writes the four digits of R1.

##
begin   CLC
        MOVE R1, 0x1234
        ABCD R1, 0x0999       ; 1234 + 999 = 2233
        BSR printbcd
        CLC
        MOVE R1, 0x2233
        SBCD R1, 0x1111       ; 2233 - 1111 = 1122
        BSR printbcd
        HALT

; PRINTBCD: writes the four BCD digits of R1 and a line end.
printbcd STORE R1, (digits)
        MOVE R2, 0x1000       ; weight of the first digit
nextdig MOVE R1, (digits)
        DIV R1, R2
        MOD R1, 16            ; the digit
        ADD R1, '0
        SYS 1
        DIV R2, 16
        CMP R2, 0
        BNE nextdig
        MOVE R1, 13
        SYS 1
        RTS

digits  DAT 0
##
