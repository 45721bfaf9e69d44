Exercise 9, a wrong solution
----------------------------
The mistake: the loop divides first and stops when the quotient is 0,
before the first digit is added.

##
begin   SYS 6
        MOVE R2, R1
        CLR R1
        STORE R1, (sum)
loop    MOVE R1, R2
        MOD R1, 10
        DIV R2, 10
        BEQ done
        ADD R1, (sum)
        STORE R1, (sum)
        BRA loop
done    MOVE R1, (sum)
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

sum     DAT 0
##
