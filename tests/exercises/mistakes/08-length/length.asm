Exercise 8, a wrong solution
----------------------------
The mistake: the word 0 at the end is counted as a character.

##
begin   MOVE R2, line
        SYS 4
        BSR length
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

length  PUSH R2
        CLR R1
next    INC R1
        TST (R2)
        BEQ found
        INC R2
        BRA next
found   POP R2
        RTS

line    RES 80
        DAT 0xFFFF
##
