A short program for the trace: an immediate value, a store, a
read-modify-write of memory and an add from memory.
##
begin   MOVE R1, 5
        STORE R1, (value)
        INC (value)
        ADD R1, (value)
        HALT
value   DAT 0
##
