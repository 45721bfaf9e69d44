Exercise 2, reference solution
------------------------------
Service 6 always reads into R1, so the first number moves to R2 before
the second is read.

##
begin   SYS 6                 ; R1 := the first number
        MOVE R2, R1
        SYS 6                 ; R1 := the second number
        ADD R1, R2
        SYS 5                 ; write the sum
        MOVE R1, 13
        SYS 1
        HALT
##
