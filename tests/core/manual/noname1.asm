##
begin   CLR R1
        MOVE R2, 10
loop:   ADD R1, R2
        DEC R2
        BNE loop
        HALT
##
