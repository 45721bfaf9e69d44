Exercise 8, reference solution
------------------------------
Service 4 reads a line into the buffer and ends it with a word 0; the
subroutine LENGTH counts the words before that 0.

##
begin   MOVE R2, line
        SYS 4                 ; read a line
        BSR length            ; R1 := its length
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

; LENGTH: R1 := the number of characters of the string at R2. Keeps R2.
length  PUSH R2
        CLR R1
next    TST (R2)              ; the 0 at the end?
        BEQ found
        INC R1
        INC R2
        BRA next
found   POP R2
        RTS

line    RES 80
        DAT 0xFFFF            ; the end of the buffer
##
