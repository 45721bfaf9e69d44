65536 is a number like any other, cut to 16 bits.
##
x       EQU 65536
        ORG 65536
begin   MOVE R1, x
        MOVE R2, 65537
        HALT
##
