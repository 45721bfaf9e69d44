Exercise 7, reference solution
------------------------------
Every number is pushed; R2 counts them, so that exactly as many are
popped again and the stack is left as it was.

##
begin   CLR R2                ; how many are on the stack
read    SYS 6
        TST R1
        BEQ write             ; the 0 ends the list and is not kept
        PUSH R1
        INC R2
        BRA read
write   TST R2
        BEQ done
        POP R1                ; the last number read comes first
        SYS 5
        MOVE R1, 13
        SYS 1
        DEC R2
        BRA write
done    HALT
##
