Exercise 10, reference solution
-------------------------------
LSR shifts bit 0 into the carry and a 0 into bit 15, so the number
becomes 0 after at most 16 shifts. ASR would keep the sign bit and never
reach 0 for a negative number.

##
begin   SYS 6
        MOVE R2, R1           ; R2 := the number
        CLR R1                ; the count
loop    TST R2
        BEQ done
        LSR R2                ; C := bit 0
        BCC loop
        INC R1
        BRA loop
done    SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
