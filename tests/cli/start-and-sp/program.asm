No begin label: the program starts at the assembler's program start.
##
        MOVE R1, 0xBEEF
        PUSH R1
        HALT
##
