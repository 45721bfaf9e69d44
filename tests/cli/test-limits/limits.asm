Reads a key: f floods the screen, l loops without end, s writes one x.
##
begin   SYS 2                 ; R1 := the key
        CMP R1, 'f
        BEQ flood
        CMP R1, 'l
        BEQ loop
        MOVE R1, 'x
        SYS 1
        HALT
flood   MOVE R1, 'x
again   SYS 1
        BRA again
loop    BRA loop
##
