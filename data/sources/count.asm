Count to ten
------------
A loop that writes the numbers 1 to 10, one per line.
CMP sets the flags of R1 - 11; BNE branches back while they differ.

##
begin   MOVE R1, 1
loop    SYS 5                 ; write R1
        PUSH R1               ; SYS 1 needs R1 for the character
        MOVE R1, 13
        SYS 1
        POP R1
        INC R1
        CMP R1, 11
        BNE loop
        HALT
##
