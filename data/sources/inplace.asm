Memory operands updated in place
--------------------------------
One-operand instructions (here CLR, INC, ASL and NEG) with a memory
operand in brackets read the word, change it, and the write-back sequence
stores the result in the same word. Watch the words at COUNTER and VALUE
in a memory view while stepping.

##
begin   CLR (counter)         ; counter := 0 in memory
loop    INC (counter)         ; counter := counter + 1, written back
        ASL (value)           ; value := value * 2, written back
        MOVE R1, (counter)
        SYS 5
        MOVE R1, 32           ; a blank
        SYS 1
        MOVE R1, (value)
        SYS 5
        MOVE R1, 13
        SYS 1
        MOVE R1, (counter)
        CMP R1, 8
        BNE loop
        NEG (value)           ; value := -value
        MOVE R1, (value)
        SYS 5
        MOVE R1, 13
        SYS 1
        HALT

counter DAT 0
value   DAT 1
##
