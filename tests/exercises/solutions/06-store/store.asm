Exercise 6, reference solution
------------------------------
R2 walks through memory from 0100; STORE R1, (R2) writes the word R2
points at. The count is the distance R2 has moved.

##
begin   MOVE R2, 0x0100
loop    SYS 6                 ; R1 := the next number
        STORE R1, (R2)        ; keep it, the closing 0 too
        TST R1
        BEQ done
        INC R2
        BRA loop
done    MOVE R1, R2
        SUB R1, 0x0100        ; how many were kept before the 0
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
