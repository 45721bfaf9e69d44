Exercise 5, reference solution
------------------------------
R2 counts n down to 1 and R1 sums it. The test before the loop keeps
n = 0 from running the loop at all.

##
begin   SYS 6
        MOVE R2, R1           ; R2 := n
        CLR R1                ; the sum
        TST R2
        BEQ write             ; no numbers to add
loop    ADD R1, R2
        DEC R2
        BNE loop
write   SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
