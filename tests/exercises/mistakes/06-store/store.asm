Exercise 6, a wrong solution
----------------------------
The mistake: STORE R1, R2 without brackets. MAR still holds the address
of STORE's own word, so each number overwrites the program instead of
going to 0100.

##
begin   MOVE R2, 0x0100
loop    SYS 6
        STORE R1, R2
        TST R1
        BEQ done
        INC R2
        BRA loop
done    MOVE R1, R2
        SUB R1, 0x0100
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT
##
