A jump table
------------
JMP (R2) continues at the address stored in the word that R2 points at.
A table of such addresses, indexed by a number, chooses one of several
pieces of code without a chain of comparisons. Here the cases 0, 1 and 2
each write their name.

##
begin   CLR R1                ; the case, 0 to 2
next    STORE R1, (case)
        MOVE R2, table
        ADD R2, R1            ; R2 := the address of the case's entry
        JMP (R2)              ; continue at the address stored there
back    MOVE R1, (case)       ; every case comes back here
        INC R1
        CMP R1, 3
        BNE next
        HALT

zero    MOVE R2, tzero
        BRA show
one     MOVE R2, tone
        BRA show
two     MOVE R2, ttwo
show    SYS 3                 ; write the name of the case
        MOVE R1, 13
        SYS 1
        BRA back

table   DAT zero, one, two    ; the addresses of the cases
case    DAT 0
tzero   STR "zero"
tone    STR "one"
ttwo    STR "two"
##
