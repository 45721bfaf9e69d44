Exercise 7, a wrong solution
----------------------------
The mistake: the closing 0 is pushed and counted too, so it is written
first.

##
begin   CLR R2
read    SYS 6
        PUSH R1
        INC R2
        TST R1
        BNE read
write   POP R1
        SYS 5
        MOVE R1, 13
        SYS 1
        DEC R2
        BNE write
        HALT
##
