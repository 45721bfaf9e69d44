Averages with AVG
-----------------
The program of exercise 13: it needs the instruction AVG of your
average.mca (load it with "Load microcode to MCROM" first, then assemble
this program). It writes the average of two numbers typed, of 7 and 10,
and of 100 and the word at x (50).

##
begin   SYS 6                 ; R1 := the first number typed
        MOVE R2, R1
        SYS 6                 ; R1 := the second
        AVG R1, R2            ; two registers
        SYS 5
        BSR newline
        MOVE R1, 7
        AVG R1, 10            ; an immediate operand: (7 + 10) / 2 = 8
        SYS 5
        BSR newline
        MOVE R1, 100
        AVG R1, (x)           ; a memory operand: (100 + 50) / 2 = 75
        SYS 5
        BSR newline
        HALT

newline MOVE R1, 13
        SYS 1
        RTS

x       DAT 50
##
