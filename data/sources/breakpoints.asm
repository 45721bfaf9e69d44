Breakpoint marks
----------------
A line that starts with a single # is a breakpoint: Go stops when the
instruction on that line is about to run. Press Go again to go on. Here
the loop stops at each pass over the addition, so the registers can be
inspected between the steps.

##
begin   CLR R1
        MOVE R2, 5
# loop  ADD R1, R2            ; R1 := R1 + R2 (breakpoint)
        DEC R2
        BNE loop
        SYS 5                 ; 5 + 4 + 3 + 2 + 1 = 15
        MOVE R1, 13
        SYS 1
#       HALT
##
