Squares with SQR
----------------
The program of exercise 12: it needs the instruction SQR of your
square.mca (load it with "Load microcode to MCROM" first, then assemble
this program). It writes the square of a number typed, the square of the
word at x (7), and "zero" when the square of 256 sets the Z flag.

##
begin   SYS 6                 ; R1 := a number typed
        SQR R1                ; a register operand
        SYS 5
        BSR newline
        SQR (x)               ; a memory operand: the word at x := 49
        MOVE R1, (x)
        SYS 5
        BSR newline
        MOVE R2, 256          ; clears Z
        SQR R2                ; 65536 does not fit: R2 := 0, Z := 1
        BNE done
        MOVE R2, zero
        SYS 3
        BSR newline
done    HALT

newline MOVE R1, 13
        SYS 1
        RTS

x       DAT 7
zero    STR "zero"
##
