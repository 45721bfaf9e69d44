Exercise 9, reference solution
------------------------------
MOD 10 gives the last digit, DIV 10 takes it away. R2 keeps the rest of
the number, the sum is kept in the word sum.

##
begin   SYS 6
        MOVE R2, R1           ; R2 := the number
        CLR R1
        STORE R1, (sum)
loop    MOVE R1, R2
        MOD R1, 10            ; R1 := the last digit
        ADD R1, (sum)
        STORE R1, (sum)
        DIV R2, 10            ; the digits still to add; Z when none
        BNE loop
        MOVE R1, (sum)
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

sum     DAT 0
##
