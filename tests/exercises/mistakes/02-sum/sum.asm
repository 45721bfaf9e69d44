Exercise 2, a wrong solution
----------------------------
The mistake: the second SYS 6 overwrites the first number in R1, and R2
was never given it.

##
begin   SYS 6                 ; R1 := the first number
        SYS 6                 ; R1 := the second number
        ADD R1, R2
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
