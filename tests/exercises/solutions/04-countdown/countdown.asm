Exercise 4, reference solution
------------------------------
R2 counts down; DEC sets Z when it reaches 0.

##
begin   SYS 6
        MOVE R2, R1           ; R2 := n
loop    MOVE R1, R2
        SYS 5                 ; write the counter
        MOVE R1, 13
        SYS 1
        DEC R2
        BNE loop              ; until the counter is 0
        MOVE R2, liftoff
        SYS 3
        SYS 1                 ; R1 still holds 13
        HALT

liftoff STR "Liftoff!"
##
