Exercise 4, a wrong solution
----------------------------
The mistake: BPL loops while the counter is not negative, so 0 is
written too.

##
begin   SYS 6
        MOVE R2, R1
loop    MOVE R1, R2
        SYS 5
        MOVE R1, 13
        SYS 1
        DEC R2
        BPL loop
        MOVE R2, liftoff
        SYS 3
        SYS 1
        HALT

liftoff STR "Liftoff!"
##
