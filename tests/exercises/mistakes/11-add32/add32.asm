Exercise 11, a wrong solution
-----------------------------
The mistake: ADD on the high words too, so the carry of the low words is
lost.

##
begin   SYS 6
        STORE R1, (ahigh)
        SYS 6
        STORE R1, (alow)
        SYS 6
        MOVE R2, R1
        SYS 6
        ADD R1, (alow)
        STORE R1, (0x0101)
        MOVE R1, R2
        ADD R1, (ahigh)
        STORE R1, (0x0100)
        HALT

ahigh   DAT 0
alow    DAT 0
##
