Exercise 5, a wrong solution
----------------------------
The mistake: the loop runs once before the counter is tested, so for 0
it counts down from FFFF and adds 65535 numbers.

##
begin   SYS 6
        MOVE R2, R1
        CLR R1
loop    ADD R1, R2
        DEC R2
        BNE loop
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
