Exercise 10, a wrong solution
-----------------------------
The mistake: ASR instead of LSR. ASR keeps the sign bit, so a negative
number never becomes 0 and the loop runs until the step limit.

##
begin   SYS 6
        MOVE R2, R1           ; R2 := the number
        CLR R1
        STORE R1, (count)
loop    TST R2
        BEQ done
        MOVE R1, R2
        AND R1, 1             ; bit 0
        ADD R1, (count)
        STORE R1, (count)
        ASR R2                ; the next bit into bit 0
        BRA loop
done    MOVE R1, (count)
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

count   DAT 0
##
