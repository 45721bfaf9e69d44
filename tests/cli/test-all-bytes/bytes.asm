Writes every byte value from 0 to 255, then "]]>".
##
begin   CLR R1
next    SYS 1
        INC R1
        CMP R1, 256
        BLT next
        MOVE R2, tail
        SYS 3
        HALT
tail    STR "]]>"
##
