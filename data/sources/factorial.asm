Factorials
----------
Writes n! for n = 0 to 7 with a recursive subroutine. FACT takes n in R1
and returns n! in R1; it keeps n on the stack across the recursive call.
JSR pushes the return address, RTS pops it.

##
begin   CLR R1                ; n := 0
next    STORE R1, (n)
        SYS 5                 ; write n
        MOVE R2, says
        SYS 3                 ; "! = "
        MOVE R1, (n)
        JSR fact              ; R1 := n!
        SYS 5
        MOVE R1, 13
        SYS 1
        MOVE R1, (n)
        INC R1
        CMP R1, 8
        BNE next
        HALT

; FACT: R1 := R1! (0! = 1! = 1)
fact    CMP R1, 1
        BLE one               ; n <= 1
        PUSH R1               ; keep n
        DEC R1
        JSR fact              ; R1 := (n - 1)!
        POP R2                ; R2 := n
        MUL R1, R2            ; R1 := n * (n - 1)!
        RTS
one     MOVE R1, 1
        RTS

n       DAT 0
says    STR "! = "
##
