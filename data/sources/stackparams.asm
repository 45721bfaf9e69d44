Parameters on the stack
-----------------------
The caller pushes the parameters, calls the subroutine with JSR and drops
the parameters afterwards with ADD SP, 2. The subroutine finds them just
above its return address: there is no offset addressing, so it copies SP
to R2 and steps R2 up to each parameter, reading it as (R2).

##
begin   PUSH 5                ; the second parameter, pushed first
        PUSH 20               ; the first parameter
        JSR diff              ; R1 := 20 - 5
        ADD SP, 2             ; drop the two parameters
        SYS 5                 ; writes 15
        MOVE R1, 13
        SYS 1
        HALT

; DIFF: R1 := the first parameter - the second. The stack on entry:
; SP points at the return address, SP + 1 at the first parameter,
; SP + 2 at the second.
diff    MOVE R2, SP
        INC R2                ; R2 points at the first parameter
        MOVE R1, (R2)         ; R1 := the first parameter
        INC R2                ; R2 points at the second
        SUB R1, (R2)          ; R1 := first - second
        RTS
##
